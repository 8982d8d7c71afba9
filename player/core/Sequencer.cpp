// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/Sequencer.h"

#include "core/EngineHost.h"
#include "core/MediaEngine.h"
#include "core/MediaKind.h"
#include "core/PlaybackClock.h"
#include "core/PlaylistModel.h"
#include "core/TransportController.h"
#include "dialogs/Prompts.h"

#include <QDateTime>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <utility>

// Counts how deep Next, Previous and Start run inside one another. The record
// of entries tried without a successful start belongs to one such chain and is
// dropped when the outermost handler begins, unless that handler resumes a
// chain that gave the event loop its turn.
class Sequencer::ChainScope {
public:
    explicit ChainScope(Sequencer& owner)
        : m_owner(owner)
    {
        if (m_owner.m_depth++ == 0) {
            if (!std::exchange(m_owner.m_failingRun.resuming, false)) {
                m_owner.m_triedWithoutStart.clear();
                m_owner.cancelMoveOn();
            }
            m_owner.m_failingRun.slice.start();
        }
    }
    // The outermost handler tells the player an entry may have started.
    ~ChainScope()
    {
        if (--m_owner.m_depth == 0)
            m_owner.m_player.actionDone(PlaybackState::Action::Start);
    }
    ChainScope(const ChainScope&) = delete;
    ChainScope& operator=(const ChainScope&) = delete;

private:
    Sequencer& m_owner;
};

namespace {

// How long a run of failing entries goes on before the event loop gets a turn.
constexpr qint64 kChainSliceMs = 50;
const QString kTitlePrefix = QStringLiteral("- Velkor Player 2.0 -   ");
constexpr int kTitleTrailingSpaces = 49;

} // namespace

Sequencer::Sequencer(Player& player, PlaylistModel& playlist, EngineHost& engines,
    Prompts& prompts, TransportController& transport, PlaybackClock& clock)
    : m_player(player)
    , m_playlist(playlist)
    , m_engines(engines)
    , m_prompts(prompts)
    , m_transport(transport)
    , m_clock(clock)
{
    Randomize();
}

// Next: a random entry with shuffle; otherwise the entry after the current
// track, wrapping to the first with repeat. At the end of the list without
// repeat, playback ends and full screen with it.
void Sequencer::cmdForward_Click()
{
    ChainScope chain(*this);
    const int n = m_playlist.Count() - 1;
    if (n < 0)
        return;
    const int current = m_playlist.CurrentTrack();
    if (m_player.Shuffle())
        select(randomIndex(n));
    else if (current < n)
        select(current + 1);
    else if (m_player.RepeatOn())
        select(0);
    else {
        endPlayback();
        return;
    }
    lstPlay_DblClick();
}

// Previous: a random entry with shuffle; otherwise the entry before the
// current track, wrapping to the last with repeat. At the first entry without
// repeat nothing changes. When entries after the current track were removed,
// the entry before it is the last one.
void Sequencer::cmdBack_Click()
{
    ChainScope chain(*this);
    const int n = m_playlist.Count() - 1;
    if (n < 0)
        return;
    const int current = m_playlist.CurrentTrack();
    if (m_player.Shuffle())
        select(randomIndex(n));
    else if (current > 0)
        select(std::min(current - 1, n)); // a track removed from the end: the last entry
    else if (m_player.RepeatOn())
        select(n);
    else
        return;
    lstPlay_DblClick();
}

// Start: hands the selected entry to the engine and sets up the video window,
// the position slider, the duration and the title around it. An entry that
// does not open moves on to the next one without a message.
void Sequencer::lstPlay_DblClick()
{
    ChainScope chain(*this);
    const int selected = m_playlist.ListIndex();
    if (selected < 0)
        return;
    const QString entry = m_playlist.Entry(selected);
    if (PlaylistModel::isBreak(entry)) {
        startBreak(selected);
        return;
    }

    const bool opened = m_player.openMedia(entry);
    MediaEngine& engine = m_engines.engine();
    engine.setCurrentPosition(0);
    if (!MediaKind::endsIn(engine.FileName(), MediaKind::List::NotShown)) {
        // A new media repaints the window even when it was already up, so its
        // repaint can decide again whether it stays.
        m_player.requestVideo(VideoRequest::Show);
        m_player.requestVideo(VideoRequest::Repaint);
    }
    m_playlist.setCurrentTrack(short(selected));

    if (engine.DisplaySize() == MediaEngine::FullScreen) {
        m_player.requestVideo(VideoRequest::Minimise);
        if (!m_player.OnTopWanted())
            m_player.requestMainMinimised();
    }
    m_clock.ShowDuration();
    m_player.setTitle(kTitlePrefix + m_player.selectionCaption()
        + QString(kTitleTrailingSpaces, QLatin1Char(' ')));

    if (!opened) {
        if (passExhausted(selected))
            endPlayback();
        else
            moveOnAfterFailure();
    } else {
        m_triedWithoutStart.clear();
    }

    // Runs after a failed entry's successors have started, so it looks at the
    // file name that is open now.
    if (MediaKind::endsIn(m_engines.engine().FileName(), MediaKind::List::AudioAtStart))
        m_player.requestVideo(VideoRequest::Hide);
}

// A break entry asks the user to change the disc: OK goes on with the next
// entry, Cancel stops.
void Sequencer::startBreak(int selected)
{
    const Prompts::Answer answer = m_prompts.message(nullptr,
        QStringLiteral("Break for changing CD"), QStringLiteral("Have a Break!"),
        Prompts::Buttons::OkCancel, Prompts::Icon::None);
    if (answer != Prompts::Answer::Ok) {
        m_transport.cmdStop_Click();
        return;
    }
    m_playlist.setCurrentTrack(short(selected));
    if (passExhausted(selected))
        endPlayback();
    else
        cmdForward_Click();
}

void Sequencer::replaceAndPlay(const QStringList& entries)
{
    if (entries.isEmpty())
        return;
    if (m_engines.hasEngine())
        m_engines.engine().Stop();
    m_playlist.Clear();
    m_playlist.AppendMany(entries);
    // Start takes the selected entry; with a one-entry list Next would start
    // nothing unless repeat is on.
    m_playlist.setListIndex(0);
    lstPlay_DblClick();
}

int Sequencer::randomIndex(int n)
{
    return randomIndex(m_random.generateDouble(), n);
}

int Sequencer::randomIndex(double r, int n)
{
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    return int(std::nearbyint(r * n));
}

void Sequencer::Randomize()
{
    Randomize(quint32(QDateTime::currentMSecsSinceEpoch()));
}

void Sequencer::Randomize(quint32 seed)
{
    m_random.seed(seed);
}

// Setting the selection updates its caption, so the title names the new entry.
void Sequencer::select(int index)
{
    m_playlist.setListIndex(index);
}

// Runs Next after an entry failed to open. The first failure of a chain runs
// Next in a loop, and failures inside that loop only ask for another round, so
// a long run of entries that do not open (a playlist of a drive that is gone)
// does not nest one Start inside the other until the stack runs out.
//
// Each failed open can cost the engine tens of milliseconds, so a chain that
// has run for a slice hands the rest to the event loop: the windows repaint
// and the desktop's requests are answered between the entries. The entries
// tried, and their order, are the same either way.
void Sequencer::moveOnAfterFailure()
{
    FailingRun& run = m_failingRun;
    if (run.looping) {
        run.nextRequested = true;
        return;
    }
    run.looping = true;
    do {
        run.nextRequested = false;
        if (run.slice.elapsed() >= kChainSliceMs) {
            resumeLater();
            break;
        }
        cmdForward_Click();
    } while (run.nextRequested);
    run.looping = false;
}

void Sequencer::resumeLater()
{
    const quint64 id = ++m_failingRun.id;
    m_failingRun.pending = true;
    QTimer::singleShot(0, this, [this, id] {
        FailingRun& run = m_failingRun;
        if (!run.pending || id != run.id)
            return;
        run.pending = false;
        run.resuming = true;
        cmdForward_Click();
        run.resuming = false;
    });
}

void Sequencer::cancelMoveOn()
{
    m_failingRun.pending = false;
    ++m_failingRun.id;
}

bool Sequencer::passExhausted(int index)
{
    m_triedWithoutStart.insert(index);
    return m_triedWithoutStart.size() >= m_playlist.Count();
}

void Sequencer::endPlayback()
{
    m_triedWithoutStart.clear();
    m_engines.engine().setDisplaySize(MediaEngine::Original);
}
