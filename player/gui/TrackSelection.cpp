#include "gui/TrackSelection.h"

#include "dialogs/Prompts.h"
#include "core/MediaEngine.h"
#include "core/MediaKind.h"
#include "gui/PeriodicUpdate.h"
#include "gui/Transport.h"
#include "gui/frmPlayer.h"
#include "gui/Playlist.h"
#include "gui/ShufflePicture.h"
#include "gui/frmMain.h"
#include "gui/VelkorCmd.h"

#include <sarv/Variateur.h>

#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>

// Counts how deep Next, Previous and Start run inside one another. The record
// of entries tried without a successful start belongs to one such chain and is
// dropped when the outermost handler begins.
class TrackSelection::ChainScope {
public:
    explicit ChainScope(TrackSelection& owner)
        : m_owner(owner)
    {
        if (m_owner.m_depth++ == 0)
            m_owner.m_triedWithoutStart.clear();
    }
    ~ChainScope() { --m_owner.m_depth; }
    ChainScope(const ChainScope&) = delete;
    ChainScope& operator=(const ChainScope&) = delete;

private:
    TrackSelection& m_owner;
};

namespace {

const QString kBreakEntry = QStringLiteral("-");
const QString kTitlePrefix = QStringLiteral("- Velkor Player 2.0 -   ");
constexpr int kTitleTrailingSpaces = 49;
constexpr int kFullScreen = 3;

} // namespace

TrackSelection::TrackSelection(frmMain& main)
    : m_main(main)
{
    Randomize();
    m_imgSuff = { QIcon(QPixmap::fromImage(drawShufflePicture(false, 16))),
        QIcon(QPixmap::fromImage(drawShufflePicture(true, 16))) };
    m_main.chkSuffle->setIcon(m_imgSuff[0]);

    connect(m_main.cmdForward, &VelkorCmd::Click, this, &TrackSelection::cmdForward_Click);
    connect(m_main.cmdBack, &VelkorCmd::Click, this, &TrackSelection::cmdBack_Click);
    connect(m_main.chkRepeat, &QCheckBox::toggled, this, &TrackSelection::chkRepeat_Click);
    connect(m_main.chkSuffle, &QCheckBox::toggled, this, &TrackSelection::chkSuffle_Click);
}

// Next: a random entry with shuffle; otherwise the entry after the current
// track, wrapping to the first with repeat. At the end of the list without
// repeat, playback ends and full screen with it.
void TrackSelection::cmdForward_Click()
{
    ChainScope chain(*this);
    const int n = m_main.playlist().Count() - 1;
    if (n < 0)
        return;
    const int current = m_main.playlist().CurrentTrack();
    if (m_main.Shuffle)
        select(randomIndex(n));
    else if (current < n)
        select(current + 1);
    else if (m_main.RepeatOn)
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
void TrackSelection::cmdBack_Click()
{
    ChainScope chain(*this);
    const int n = m_main.playlist().Count() - 1;
    if (n < 0)
        return;
    const int current = m_main.playlist().CurrentTrack();
    if (m_main.Shuffle)
        select(randomIndex(n));
    else if (current > 0)
        select(std::min(current - 1, n)); // a track removed from the end: the last entry
    else if (m_main.RepeatOn)
        select(n);
    else
        return;
    lstPlay_DblClick();
}

// Start: hands the selected entry to the engine and sets up the window, the
// position slider, the duration and the title around it. An entry that does
// not open moves on to the next one without a message.
void TrackSelection::lstPlay_DblClick()
{
    ChainScope chain(*this);
    Playlist& playlist = m_main.playlist();
    const int selected = playlist.ListIndex();
    if (selected < 0)
        return;
    const QString entry = playlist.Entry(selected);

    if (entry == kBreakEntry) {
        const Prompts::Answer answer
            = Prompts::current().message(&m_main, QStringLiteral("Break for changing CD"),
                QStringLiteral("Have a Break!"), Prompts::Buttons::OkCancel, Prompts::Icon::None);
        if (answer != Prompts::Answer::Ok) {
            m_main.transport().cmdStop_Click();
            return;
        }
        playlist.setCurrentTrack(short(selected));
        if (passExhausted(selected))
            endPlayback();
        else
            cmdForward_Click();
        return;
    }

    MediaEngine& engine = m_main.engine();
    engine.setFileName(entry);
    engine.setCurrentPosition(0);
    if (!MediaKind::endsIn(engine.FileName(), MediaKind::List::NotShown)) {
        // A new media repaints the window even when it was already up, so its
        // repaint can decide again whether it stays.
        m_main.videoWindow().show();
        m_main.videoWindow().update();
    }
    playlist.setCurrentTrack(short(selected));

    m_main.scrlTime->setMin(0);
    if (const std::optional<double> duration = engine.Duration();
        duration && std::isfinite(*duration)) {
        // The slider holds 16-bit values: longer media stop at its top.
        m_main.scrlTime->setMax(short(std::clamp(std::floor(*duration), 0.0, 32767.0)));
    }

    if (engine.DisplaySize() == kFullScreen) {
        m_main.videoWindow().showMinimized();
        if (!m_main.OnTopWanted)
            m_main.showMinimized();
    }
    m_main.periodicUpdate().ShowDuration();
    m_main.txtTitle->setText(
        kTitlePrefix + m_main.txtFN->text() + QString(kTitleTrailingSpaces, QLatin1Char(' ')));

    if (engine.HasError()) {
        if (passExhausted(selected))
            endPlayback();
        else
            moveOnAfterFailure();
    } else {
        m_triedWithoutStart.clear();
    }

    // Runs after a failed entry's successors have started, so it looks at the
    // file name that is open now.
    if (MediaKind::endsIn(m_main.engine().FileName(), MediaKind::List::AudioAtStart))
        m_main.videoWindow().hide();
}

void TrackSelection::chkRepeat_Click()
{
    m_main.RepeatOn = m_main.chkRepeat->checkState() != Qt::Unchecked;
}

void TrackSelection::chkSuffle_Click()
{
    m_main.Shuffle = m_main.chkSuffle->checkState() == Qt::Checked;
    m_main.chkSuffle->setIcon(m_imgSuff[m_main.Shuffle ? 1 : 0]);
}

int TrackSelection::randomIndex(int n)
{
    return randomIndex(m_random.generateDouble(), n);
}

int TrackSelection::randomIndex(double r, int n)
{
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    return int(std::nearbyint(r * n));
}

void TrackSelection::Randomize()
{
    Randomize(quint32(QDateTime::currentMSecsSinceEpoch()));
}

void TrackSelection::Randomize(quint32 seed)
{
    m_random.seed(seed);
}

// Setting the selection runs the list's selection display, so txtFN names the
// new entry before Start reads it.
void TrackSelection::select(int index)
{
    m_main.playlist().setListIndex(index);
}

// Runs Next after an entry failed to open. The first failure of a chain runs
// Next in a loop, and failures inside that loop only ask for another round, so
// a long run of entries that do not open (a playlist of a drive that is gone)
// does not nest one Start inside the other until the stack runs out.
void TrackSelection::moveOnAfterFailure()
{
    if (m_movingOn) {
        m_nextRequested = true;
        return;
    }
    m_movingOn = true;
    do {
        m_nextRequested = false;
        cmdForward_Click();
    } while (m_nextRequested);
    m_movingOn = false;
}

bool TrackSelection::passExhausted(int index)
{
    m_triedWithoutStart.insert(index);
    return m_triedWithoutStart.size() >= m_main.playlist().Count();
}

void TrackSelection::endPlayback()
{
    m_triedWithoutStart.clear();
    m_main.engine().setDisplaySize(0);
}
