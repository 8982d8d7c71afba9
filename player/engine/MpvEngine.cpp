// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/MpvEngine.h"

#include "engine/FrameRenderer.h"
#include "engine/FullScreenWindow.h"
#include "engine/SoundFontPath.h"
#include "core/FileNameCodec.h"
#include "core/LocalFile.h"
#include "core/MidiFile.h"

#include <QDeadlineTimer>

#include <mpv/client.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <vector>

namespace {

constexpr int kOpenTimeoutMs = 10000;
// A seek target is answered until libmpv reports the restart; a seek that never
// restarts (it should not happen) stops masking the position after this.
constexpr int kSeekAnswerMs = 5000;
// How long a written position may go unanswered at the end of the file before
// it is written again.
constexpr int kSeekRetryMs = 200;
constexpr int kLogLines = 6;
constexpr double kTrailingLogSeconds = 0.005;

void setOption(mpv_handle* mpv, const char* name, const char* value)
{
    // Options unknown to an older libmpv are skipped: each one only narrows
    // what libmpv does by default.
    mpv_set_option_string(mpv, name, value);
}

int command(mpv_handle* mpv, std::initializer_list<const char*> words)
{
    std::vector<const char*> args(words);
    args.push_back(nullptr);
    return mpv_command(mpv, args.data());
}

std::optional<double> doubleProperty(mpv_handle* mpv, const char* name)
{
    double value = 0;
    if (!mpv || mpv_get_property(mpv, name, MPV_FORMAT_DOUBLE, &value) < 0)
        return std::nullopt;
    return value;
}

bool flagProperty(mpv_handle* mpv, const char* name)
{
    int value = 0;
    return mpv && mpv_get_property(mpv, name, MPV_FORMAT_FLAG, &value) >= 0 && value;
}

const mpv_node* mapValue(const mpv_node& map, const char* key)
{
    if (map.format != MPV_FORMAT_NODE_MAP)
        return nullptr;
    for (int i = 0; i < map.u.list->num; ++i) {
        if (qstrcmp(map.u.list->keys[i], key) == 0)
            return &map.u.list->values[i];
    }
    return nullptr;
}

int64_t intValue(const mpv_node* node, int64_t fallback)
{
    return node && node->format == MPV_FORMAT_INT64 ? node->u.int64 : fallback;
}

// Tracks of the loaded file as libmpv lists them, one call.
struct TrackSummary {
    int audio = 0;
    int video = 0;
    QSize firstVideoSize;
};

TrackSummary summariseTracks(mpv_handle* mpv)
{
    TrackSummary summary;
    mpv_node list;
    if (mpv_get_property(mpv, "track-list", MPV_FORMAT_NODE, &list) < 0)
        return summary;
    if (list.format == MPV_FORMAT_NODE_ARRAY) {
        for (int i = 0; i < list.u.list->num; ++i) {
            const mpv_node& track = list.u.list->values[i];
            const mpv_node* type = mapValue(track, "type");
            if (!type || type->format != MPV_FORMAT_STRING)
                continue;
            if (qstrcmp(type->u.string, "audio") == 0) {
                ++summary.audio;
            } else if (qstrcmp(type->u.string, "video") == 0) {
                const mpv_node* image = mapValue(track, "image");
                if (image && image->format == MPV_FORMAT_FLAG && image->u.flag)
                    continue; // cover art is not a video
                if (summary.video++ == 0) {
                    summary.firstVideoSize = QSize(int(intValue(mapValue(track, "demux-w"), 0)),
                                                   int(intValue(mapValue(track, "demux-h"), 0)));
                }
            }
        }
    }
    mpv_free_node_contents(&list);
    return summary;
}

bool isMidiName(const QString& path)
{
    for (const char* suffix : {".mid", ".midi", ".rmi", ".kar"}) {
        if (path.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// Per-file options. VCD tracks (.dat) are MPEG program streams whose probe score
// sits at the edge of libmpv's threshold, so they are opened with that demuxer.
// Every file starts playing: the pause at the end of the previous file (or the
// player's Stop) would carry over. As a per-file option it takes effect as the
// file starts, without a round trip to libmpv's busy core after the load.
QByteArray fileOptions(const QString& path)
{
    if (path.endsWith(QLatin1String(".dat"), Qt::CaseInsensitive))
        return "pause=no,demuxer=lavf,demuxer-lavf-format=mpeg";
    return "pause=no";
}

} // namespace

MpvEngine::MpvEngine(VideoOutput output, const Options& extra)
{
    m_mpv = mpv_create();
    if (!m_mpv) {
        qWarning("MpvEngine: libmpv could not start (is LC_NUMERIC \"C\"?)");
        return;
    }
    setOption(m_mpv, "config", "no");
    setOption(m_mpv, "terminal", "no");
    setOption(m_mpv, "load-scripts", "no");
    setOption(m_mpv, "osc", "no");
    setOption(m_mpv, "ytdl", "no");
    setOption(m_mpv, "load-stats-overlay", "no");
    setOption(m_mpv, "load-osd-console", "no");
    setOption(m_mpv, "load-auto-profiles", "no");
    setOption(m_mpv, "input-default-bindings", "no");
    setOption(m_mpv, "input-vo-keyboard", "no");
    setOption(m_mpv, "input-builtin-bindings", "no");
    setOption(m_mpv, "osd-level", "0");
    setOption(m_mpv, "resume-playback", "no");
    setOption(m_mpv, "save-position-on-quit", "no");
    // Nothing but the named file is opened: no neighbouring subtitles, audio or
    // cover files, no references out of the container, no playlists from files,
    // and the demuxer may only open local files.
    setOption(m_mpv, "autoload-files", "no");
    setOption(m_mpv, "sub-auto", "no");
    setOption(m_mpv, "audio-file-auto", "no");
    setOption(m_mpv, "cover-art-auto", "no");
    setOption(m_mpv, "ordered-chapters", "no");
    setOption(m_mpv, "access-references", "no");
    setOption(m_mpv, "load-unsafe-playlists", "no");
    setOption(m_mpv, "demuxer", "lavf");
    setOption(m_mpv, "demuxer-lavf-o", "protocol_whitelist=file");
    // One file at a time, kept open (paused) at its end so that the player sees
    // the position reach the duration.
    setOption(m_mpv, "idle", "yes");
    setOption(m_mpv, "keep-open", "yes");
    setOption(m_mpv, "keep-open-pause", "yes");
    // A machine without a sound device still plays, silently.
    setOption(m_mpv, "audio-fallback-to-null", "yes");
    setOption(m_mpv, "hwdec", "no");
    // A picture is at most 4096x4096 pixels (4K video fits): a file whose
    // header claims more is refused by the decoder instead of having it, and
    // the renderer after it, allocate gigabytes for a picture that is not there.
    setOption(m_mpv, "vd-lavc-o", "max_pixels=16777216");
    // Seeks land where they were asked to. MPEG program streams (.mpg, VCD
    // .dat) have no index, and the demuxer can overshoot to the keyframe
    // after the target; starting the demuxer a second early lets the precise
    // seek decode up to the target instead.
    setOption(m_mpv, "hr-seek", "yes");
    setOption(m_mpv, "hr-seek-demuxer-offset", "1");
    setOption(m_mpv, "vo", output == VideoOutput::Surface ? "libmpv" : "null");
    // The renderer draws each frame as soon as libmpv hands it over, without
    // waiting for its display time; with no offset, that time is now.
    setOption(m_mpv, "video-timing-offset", "0");
    for (const auto& [name, value] : extra)
        setOption(m_mpv, name.toUtf8().constData(), value.toUtf8().constData());

    mpv_request_log_messages(m_mpv, "warn");
    if (mpv_initialize(m_mpv) < 0) {
        qWarning("MpvEngine: libmpv did not initialise");
        mpv_terminate_destroy(m_mpv);
        m_mpv = nullptr;
        return;
    }
    m_observed = MpvObserved(m_mpv);
    mpv_set_wakeup_callback(m_mpv, &MpvEngine::onWakeup, this);
    if (!m_midi.install(m_mpv))
        qWarning("MpvEngine: libmpv refused the MIDI stream");

    if (output == VideoOutput::Surface) {
        // Before any file: libmpv's video output needs the render context to
        // start, and a file whose video output failed has no tracks at all.
        m_renderer = std::make_unique<FrameRenderer>(m_mpv);
        connect(m_renderer.get(), &FrameRenderer::toggleFullScreenRequested, this, [this] {
            if (m_displaySize == FullScreen)
                leaveFullScreen(m_sizeBeforeFullScreen);
            else if (m_fullScreenEnabled)
                enterFullScreen();
        });
        connect(m_renderer.get(), &FrameRenderer::leaveFullScreenRequested, this, [this] {
            if (m_displaySize == FullScreen)
                leaveFullScreen(m_sizeBeforeFullScreen);
        });
    }
}

MpvEngine::~MpvEngine()
{
    if (!m_mpv)
        return;
    mpv_set_wakeup_callback(m_mpv, nullptr, nullptr);
    m_fullScreenWindow.reset();
    // The render context must go before the core; surfaces still on screen
    // keep the renderer's last frame until the renderer itself goes.
    if (m_renderer)
        m_renderer->shutdown();
    mpv_terminate_destroy(m_mpv);
}

// libmpv calls this on one of its threads: queue one drain on the GUI thread.
void MpvEngine::onWakeup(void* self)
{
    auto* engine = static_cast<MpvEngine*>(self);
    engine->m_eventsPending = true;
    if (!engine->m_drainQueued.exchange(true))
        QMetaObject::invokeMethod(engine, &MpvEngine::drainEvents, Qt::QueuedConnection);
}

void MpvEngine::drainEvents()
{
    m_drainQueued = false;
    m_eventsPending = false;
    if (!m_mpv)
        return;
    for (;;) {
        mpv_event* event = mpv_wait_event(m_mpv, 0);
        if (event->event_id == MPV_EVENT_NONE)
            break;
        handleEvent(*event);
    }
}

void MpvEngine::handleEvent(const mpv_event& event)
{
    if (m_observed.handle(event))
        return;
    switch (event.event_id) {
    case MPV_EVENT_START_FILE: {
        const auto* start = static_cast<const mpv_event_start_file*>(event.data);
        if (m_phase == OpenPhase::Requested && (m_pendingEntry < 0 || start->playlist_entry_id == m_pendingEntry)) {
            m_pendingEntry = start->playlist_entry_id;
            m_phase = OpenPhase::Started;
            m_log.clear();
        }
        break;
    }
    case MPV_EVENT_FILE_LOADED:
        if (m_phase == OpenPhase::Started) {
            m_phase = OpenPhase::Loaded;
            m_currentEntry = m_pendingEntry;
        }
        break;
    case MPV_EVENT_END_FILE: {
        const auto* end = static_cast<const mpv_event_end_file*>(event.data);
        if (end->playlist_entry_id == m_pendingEntry
            && (m_phase == OpenPhase::Requested || m_phase == OpenPhase::Started)) {
            // Also a file that turned out to be a playlist (a redirect): that
            // is not media the player can play.
            m_phase = OpenPhase::Failed;
            m_endError = end->reason == MPV_END_FILE_REASON_ERROR ? end->error : MPV_ERROR_UNKNOWN_FORMAT;
        } else if (end->playlist_entry_id == m_currentEntry) {
            m_open = false;
            m_currentEntry = -1;
            m_seekTarget.reset();
        }
        break;
    }
    case MPV_EVENT_PLAYBACK_RESTART:
        // A restart left over from the load or from an earlier seek can come
        // after the position was written: only the one that reached the
        // target ends the answer from the target.
        if (m_seekTarget) {
            const auto position = doubleProperty(m_mpv, "time-pos");
            if (flagProperty(m_mpv, "eof-reached") || (position && std::abs(*position - *m_seekTarget) < 0.25)) {
                m_seekTarget.reset();
                // Changes sent before the seek landed must not answer after it.
                m_observed.restart({MpvObserved::TimePos, MpvObserved::EofReached, MpvObserved::Seeking});
            }
        }
        break;
    case MPV_EVENT_VIDEO_RECONFIG:
        if (m_open)
            readVideoSize();
        break;
    case MPV_EVENT_LOG_MESSAGE: {
        const auto* message = static_cast<const mpv_event_log_message*>(event.data);
        if (message->log_level <= MPV_LOG_LEVEL_WARN) {
            m_log.append(QString::fromUtf8(message->text).trimmed());
            while (m_log.size() > kLogLines)
                m_log.removeFirst();
        }
        break;
    }
    default:
        break;
    }
}

void MpvEngine::setFileName(const QString& path)
{
    sync();
    m_hasError = false;
    m_errorDescription.clear();
    m_seekTarget.reset();
    m_videoSize = QSize();
    m_fileName = path;
    if (path.isEmpty()) {
        closeMedia();
        applyDrawingSize();
        return;
    }
    openFile(path);
    // Duration and position answer for the new media from here on, not from
    // changes libmpv sent about the one before.
    m_observed.restartAll();
    applyDrawingSize();
}

void MpvEngine::openFile(const QString& path)
{
    // Names go to the system as the entry's bytes (LocalFile), so a name that
    // is not UTF-8 opens.
    const LocalFile::Info info = LocalFile::stat(path);
    if (!m_mpv)
        return fail(path, tr("moteur multimédia indisponible"));
    if (!info.exists)
        return fail(path, tr("fichier introuvable"));
    if (!info.isFile)
        return fail(path, tr("ce n'est pas un fichier"));
    if (!info.isReadable)
        return fail(path, tr("lecture refusée"));
    if (info.size == 0)
        return fail(path, tr("fichier vide"));

    // An absolute path starts with "/", which libmpv never reads as a protocol:
    // "http://x" or "av://lavfi:..." stay names of files in the current folder.
    QByteArray file = LocalFile::absoluteName(path);
    QByteArray options = fileOptions(path);
    m_midiAddress.clear();
    const std::optional<QByteArray> head = isMidiName(path) ? std::nullopt : LocalFile::read(path, 12);
    if (isMidiName(path) || (head && MidiFile::looksLikeMidi(*head))) {
        const std::optional<QByteArray> address = prepareMidi(path);
        if (!address)
            return;
        file = *address;
        options = "pause=no,demuxer-lavf-format=wav";
    }

    const char* args[] = {"loadfile", file.constData(), "replace", options.constData(), nullptr};
    mpv_node result;
    if (mpv_command_ret(m_mpv, args, &result) < 0)
        return fail(path, tr("format non reconnu"));
    m_pendingEntry = intValue(mapValue(result, "playlist_entry_id"), -1);
    mpv_free_node_contents(&result);
    m_phase = OpenPhase::Requested;
    m_open = false;
    m_currentEntry = -1;
    m_endError = 0;

    if (!waitForOpen()) {
        // The log lines that explain a failure can trail its END_FILE: those
        // already queued are read, and libmpv gets one short moment for the
        // rest. A list of broken entries is tried one after the other on the
        // GUI thread, so this wait is paid once per entry.
        for (mpv_event* event = mpv_wait_event(m_mpv, kTrailingLogSeconds); event->event_id != MPV_EVENT_NONE;
             event = mpv_wait_event(m_mpv, 0))
            handleEvent(*event);
        QString detail = m_log.isEmpty() ? QString::fromUtf8(mpv_error_string(m_endError)) : m_log.last();
        if (!m_midiAddress.isEmpty() && !m_midi.openError(m_midiAddress).isEmpty())
            detail = m_midi.openError(m_midiAddress);
        if (m_phase != OpenPhase::Failed)
            command(m_mpv, {"stop"});
        m_phase = OpenPhase::Idle;
        return fail(path, m_endError ? tr("format non reconnu") : tr("le fichier ne répond pas"), detail);
    }
    m_phase = OpenPhase::Idle;

    const TrackSummary tracks = summariseTracks(m_mpv);
    if (tracks.audio == 0 && tracks.video == 0) {
        command(m_mpv, {"stop"});
        return fail(path, tr("format non reconnu"), tr("aucune piste audio ou vidéo"));
    }
    m_open = true;
    m_videoSize = tracks.firstVideoSize;
}

std::optional<QByteArray> MpvEngine::prepareMidi(const QString& path)
{
    const std::optional<QByteArray> bytes = LocalFile::read(path, MidiFile::kMaxBytes + 1);
    if (!bytes) {
        fail(path, tr("lecture refusée"));
        return std::nullopt;
    }
    MidiFile::Parsed parsed = MidiFile::parse(*bytes);
    if (!parsed.file) {
        fail(path, tr("fichier MIDI illisible"), parsed.error);
        return std::nullopt;
    }
    const QByteArray soundFont = SoundFontPath::find();
    if (soundFont.isEmpty()) {
        fail(path,
             tr("aucune banque de sons General MIDI (fichier SoundFont .sf2) n'est installée"),
             tr("installez le paquet fluid-soundfont-gm, ou placez un fichier .sf2 dans %1")
                 .arg(SoundFontPath::folders().constFirst()));
        return std::nullopt;
    }
    auto song = std::make_shared<MidiSong>(MidiSong{std::move(*parsed.file), soundFont});
    m_midiAddress = m_midi.publish(std::move(song));
    return m_midiAddress;
}

// Waits on libmpv's events for the START_FILE of the requested entry, then its
// FILE_LOADED or its END_FILE. The END_FILE of the file it replaces carries
// another entry id and is ignored.
bool MpvEngine::waitForOpen()
{
    QDeadlineTimer deadline(kOpenTimeoutMs);
    while (m_phase == OpenPhase::Requested || m_phase == OpenPhase::Started) {
        const qint64 left = deadline.remainingTime();
        if (left <= 0)
            return false;
        mpv_event* event = mpv_wait_event(m_mpv, double(left) / 1000.0);
        if (event->event_id != MPV_EVENT_NONE)
            handleEvent(*event);
    }
    return m_phase == OpenPhase::Loaded;
}

void MpvEngine::closeMedia()
{
    if (m_mpv && (m_open || m_currentEntry >= 0))
        command(m_mpv, {"stop"});
    m_open = false;
    m_currentEntry = -1;
}

void MpvEngine::fail(const QString& path, const QString& cause, const QString& detail)
{
    closeMedia();
    m_hasError = true;
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    m_errorDescription = tr("Impossible d'ouvrir %1 : %2").arg(FileNameCodec::readable(name), cause);
    if (!detail.isEmpty())
        m_errorDescription += QStringLiteral(" (%1)").arg(detail);
}

std::optional<double> MpvEngine::CurrentPosition() const
{
    sync();
    if (!m_open)
        return std::nullopt;
    const_cast<MpvEngine*>(this)->retryLostSeek();
    if (m_seekTarget && m_seekClock.elapsed() < kSeekAnswerMs)
        return m_seekTarget;
    // With keep-open a video's last frame can start short of the duration:
    // at the end, the position is the duration.
    if (m_observed.flag(MpvObserved::EofReached)) {
        if (const auto duration = m_observed.number(MpvObserved::Duration))
            return duration;
    }
    const auto position = m_observed.number(MpvObserved::TimePos);
    if (!position)
        return std::nullopt;
    return std::max(0.0, *position);
}

// A position written just as libmpv reaches the end of the file can be lost:
// libmpv then stays at the end, idle, at the very position it had before the
// write. Seen that way a while after the write, the write is made once more.
void MpvEngine::retryLostSeek()
{
    if (!m_seekTarget || m_seekRetried || m_seekClock.elapsed() < kSeekRetryMs)
        return;
    if (!m_observed.flag(MpvObserved::EofReached) || m_observed.flag(MpvObserved::Seeking))
        return;
    const auto position = m_observed.number(MpvObserved::TimePos);
    if (!position || !m_positionBeforeSeek || std::abs(*position - *m_positionBeforeSeek) > 1e-6
        || std::abs(*position - *m_seekTarget) < 0.25)
        return;
    double target = *m_seekTarget;
    m_seekRetried = true;
    if (mpv_set_property(m_mpv, "time-pos", MPV_FORMAT_DOUBLE, &target) >= 0)
        m_seekClock.start();
}

bool MpvEngine::setCurrentPosition(double seconds)
{
    sync();
    if (!m_open || !std::isfinite(seconds))
        return false;
    double target = std::max(0.0, seconds);
    if (const auto duration = m_observed.number(MpvObserved::Duration))
        target = std::min(target, *duration);
    m_positionBeforeSeek = m_observed.number(MpvObserved::TimePos);
    // The rewind right after a file opens finds it where it starts: a seek
    // would only restart decoding and hold back the first moving position.
    if (target == 0.0 && !m_seekTarget && m_positionBeforeSeek && *m_positionBeforeSeek <= 0.0
        && !m_observed.flag(MpvObserved::EofReached))
        return true;
    if (mpv_set_property(m_mpv, "time-pos", MPV_FORMAT_DOUBLE, &target) < 0)
        return false;
    m_seekTarget = target;
    m_seekRetried = false;
    m_seekClock.start();
    return true;
}

std::optional<double> MpvEngine::Duration() const
{
    sync();
    if (!m_open)
        return std::nullopt;
    return m_observed.number(MpvObserved::Duration);
}

void MpvEngine::Play()
{
    if (!m_mpv)
        return;
    int no = 0;
    mpv_set_property(m_mpv, "pause", MPV_FORMAT_FLAG, &no);
}

void MpvEngine::Pause()
{
    if (!m_mpv)
        return;
    int yes = 1;
    mpv_set_property(m_mpv, "pause", MPV_FORMAT_FLAG, &yes);
    // The position where it halted, not the last one libmpv sent while moving.
    m_observed.restart({MpvObserved::TimePos});
}

// libmpv's own stop unloads the file; the player's Stop only halts, and the
// player rewinds by writing the position afterwards.
void MpvEngine::Stop()
{
    Pause();
}

bool MpvEngine::setVolume(int level)
{
    if (!m_mpv || level < kMinLevel || level > kMaxVolume)
        return false;
    // libmpv's volume is cubic: its gain is (volume/100)^3, so this volume
    // gives a gain of level/100 dB.
    double volume = 100.0 * std::pow(10.0, level / 6000.0);
    if (mpv_set_property(m_mpv, "volume", MPV_FORMAT_DOUBLE, &volume) < 0)
        return false;
    m_volume = level;
    return true;
}

bool MpvEngine::setBalance(int level)
{
    if (!m_mpv || level < -kMaxBalance || level > kMaxBalance)
        return false;
    if (level == m_balance)
        return true;
    if (!applyBalance(level))
        return false;
    m_balance = level;
    return true;
}

// The balance is a labelled stereotools filter whose output balance scales the
// opposite channel by 1 - |b|; it converts mono to stereo, so mono media play
// on both sides. At 0 there is no filter at all: it would downmix surround.
bool MpvEngine::applyBalance(int level)
{
    if (level == 0)
        return command(m_mpv, {"af", "remove", "@bal"}) >= 0 || m_balance == 0;
    const double gain = std::pow(10.0, -std::abs(level) / 2000.0);
    const double balance = (level > 0 ? 1.0 : -1.0) * (1.0 - gain);
    const QByteArray filter = "@bal:stereotools=balance_out=" + QByteArray::number(balance, 'f', 6);
    return command(m_mpv, {"af", "add", filter.constData()}) >= 0;
}

void MpvEngine::setMute(bool muted)
{
    if (!m_mpv)
        return;
    int flag = muted ? 1 : 0;
    if (mpv_set_property(m_mpv, "mute", MPV_FORMAT_FLAG, &flag) >= 0)
        m_mute = muted;
}

VideoPicture* MpvEngine::picture()
{
    return m_renderer.get();
}

void MpvEngine::setDrawingSize(int width, int height)
{
    m_requestedSize = QSize(std::max(0, width), std::max(0, height));
    applyDrawingSize();
}

// Original shows the video at its own size; otherwise the area keeps the size
// the video window gives it and libmpv fits the picture in, aspect kept.
QSize MpvEngine::drawingSize() const
{
    const int size = m_displaySize == FullScreen ? m_sizeBeforeFullScreen : m_displaySize;
    if (size == Original && m_videoSize.isValid() && !m_videoSize.isEmpty())
        return m_videoSize;
    return m_requestedSize;
}

// The video window's surfaces take the size from the renderer. At the video's
// own size the area is the video's size, and libmpv draws it unscaled from the
// top-left corner, which at that size is the same picture: then the renderer
// can convert only what the video window shows of a video larger than it.
void MpvEngine::applyDrawingSize()
{
    if (!m_renderer)
        return;
    const bool unscaled = m_displaySize == Original && drawingSize() == m_videoSize && !m_videoSize.isEmpty();
    // libmpv draws unscaled before the renderer cuts frames, and the renderer
    // draws whole frames before libmpv scales again.
    if (unscaled)
        setUnscaled(true);
    m_renderer->setCropsToView(unscaled && m_unscaled);
    if (!unscaled)
        setUnscaled(false);
    m_renderer->setAreaSize(drawingSize());
}

void MpvEngine::setUnscaled(bool unscaled)
{
    if (unscaled == m_unscaled || !m_mpv)
        return;
    const char* align = unscaled ? "-1" : "0";
    if (mpv_set_property_string(m_mpv, "video-unscaled", unscaled ? "yes" : "no") < 0
        || mpv_set_property_string(m_mpv, "video-align-x", align) < 0
        || mpv_set_property_string(m_mpv, "video-align-y", align) < 0)
        return;
    m_unscaled = unscaled;
}

void MpvEngine::setDisplaySize(int size)
{
    if (size != Original && size != FullScreen && size != Fitted)
        return;
    if (size == FullScreen) {
        if (m_displaySize != FullScreen)
            enterFullScreen();
    } else if (m_displaySize == FullScreen) {
        leaveFullScreen(size);
    } else {
        m_displaySize = size;
        applyDrawingSize();
    }
}

void MpvEngine::enterFullScreen()
{
    m_sizeBeforeFullScreen = m_displaySize;
    m_displaySize = FullScreen;
    if (!m_renderer)
        return;
    // The full-screen picture is scaled to the screen, never cut.
    applyDrawingSize();
    if (!m_fullScreenWindow) {
        m_fullScreenWindow = std::make_unique<FullScreenWindow>(m_renderer.get());
        connect(m_fullScreenWindow.get(), &FullScreenWindow::leaveRequested, this, [this] {
            if (m_displaySize == FullScreen)
                leaveFullScreen(m_sizeBeforeFullScreen);
        });
    }
    m_fullScreenWindow->enter();
}

void MpvEngine::leaveFullScreen(int size)
{
    m_displaySize = size;
    if (m_fullScreenWindow)
        m_fullScreenWindow->hide();
    applyDrawingSize();
}

void MpvEngine::readVideoSize()
{
    int64_t width = 0;
    int64_t height = 0;
    if (mpv_get_property(m_mpv, "dwidth", MPV_FORMAT_INT64, &width) >= 0
        && mpv_get_property(m_mpv, "dheight", MPV_FORMAT_INT64, &height) >= 0 && width > 0 && height > 0) {
        m_videoSize = QSize(int(width), int(height));
        applyDrawingSize();
    }
}
