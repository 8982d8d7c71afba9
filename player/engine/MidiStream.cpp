// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/MidiStream.h"

#include <QCoreApplication>
#include <QtEndian>

#include <mpv/stream_cb.h>

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr const char* kProtocol = "velkor-midi";
// The most frames made for one read: libmpv reads in blocks of tens of
// kilobytes, and a short read is fine.
constexpr int64_t kMaxBlockFrames = 16384;
// FluidSynth's own gain is low for a single instrument; this leaves headroom
// for a full orchestra without clipping most songs.
constexpr double kGain = 0.6;

QString tr(const char* text)
{
    return QCoreApplication::translate("MidiStream", text);
}

void quietFluidSynth()
{
    // FluidSynth writes its warnings to the terminal; the player reports
    // failures itself.
    static const bool once = [] {
        for (int level : {FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
            fluid_set_log_function(level, nullptr, nullptr);
        return true;
    }();
    (void)once;
}

void appendLe(QByteArray& out, quint32 value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.append(char((value >> (8 * i)) & 0xFF));
}

// The callbacks libmpv calls, on its threads; each stream is used by one
// thread at a time.
int64_t readCallback(void* cookie, char* buffer, uint64_t bytes)
{
    return static_cast<MidiStream*>(cookie)->read(buffer, bytes);
}

int64_t seekCallback(void* cookie, int64_t offset)
{
    return static_cast<MidiStream*>(cookie)->seek(offset);
}

int64_t sizeCallback(void* cookie)
{
    return static_cast<MidiStream*>(cookie)->size();
}

void closeCallback(void* cookie)
{
    delete static_cast<MidiStream*>(cookie);
}

} // namespace

// A synthesiser with the SoundFont loaded. Its samples are loaded as presets
// are chosen, so opening even a large SoundFont reads little more than its
// directory.
struct MidiStream::Library::Synth {
    fluid_settings_t* settings = nullptr;
    fluid_synth_t* synth = nullptr;
    QByteArray soundFont;

    ~Synth()
    {
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

MidiStream::Library::Library() = default;
MidiStream::Library::~Library() = default;

bool MidiStream::Library::install(mpv_handle* mpv)
{
    quietFluidSynth();
    const auto open = [](void* userData, char* uri, mpv_stream_cb_info* info) -> int {
        auto* library = static_cast<Library*>(userData);
        const QByteArray address(uri);
        const std::shared_ptr<const MidiSong> song = library->song(address);
        if (!song)
            return MPV_ERROR_LOADING_FAILED;
        QString error;
        // Every length the stream computes stays within 64 bits because the
        // song's frames fit its 32-bit WAV header.
        if (!framesFor(song->file.durationSeconds())) {
            library->setOpenError(address, tr("morceau MIDI trop long pour être lu (plus de 6 heures 46)"));
            return MPV_ERROR_LOADING_FAILED;
        }
        std::unique_ptr<Synth> synth = library->takeSynth(song->soundFont, &error);
        if (!synth) {
            library->setOpenError(address, error);
            return MPV_ERROR_LOADING_FAILED;
        }
        auto* stream = new MidiStream(*library, song, std::move(synth));
        info->cookie = stream;
        info->read_fn = &readCallback;
        info->seek_fn = &seekCallback;
        info->size_fn = &sizeCallback;
        info->close_fn = &closeCallback;
        return 0;
    };
    return mpv_stream_cb_add_ro(mpv, kProtocol, this, open) >= 0;
}

QByteArray MidiStream::Library::publish(std::shared_ptr<const MidiSong> song)
{
    std::lock_guard lock(m_mutex);
    const QByteArray uri = QByteArray(kProtocol) + "://" + QByteArray::number(m_next++);
    m_songs.clear();
    m_errors.clear();
    m_songs.emplace(uri, std::move(song));
    return uri;
}

QString MidiStream::Library::openError(const QByteArray& uri) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_errors.find(uri);
    return it == m_errors.end() ? QString() : it->second;
}

std::shared_ptr<const MidiSong> MidiStream::Library::song(const QByteArray& uri) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_songs.find(uri);
    return it == m_songs.end() ? nullptr : it->second;
}

void MidiStream::Library::setOpenError(const QByteArray& uri, const QString& error)
{
    std::lock_guard lock(m_mutex);
    m_errors[uri] = error;
}

std::unique_ptr<MidiStream::Library::Synth> MidiStream::Library::takeSynth(const QByteArray& soundFont,
                                                                             QString* error)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_spare && m_spare->soundFont == soundFont) {
            fluid_synth_system_reset(m_spare->synth);
            return std::move(m_spare);
        }
    }
    auto made = std::make_unique<Synth>();
    made->soundFont = soundFont;
    made->settings = new_fluid_settings();
    if (made->settings) {
        fluid_settings_setnum(made->settings, "synth.sample-rate", kSampleRate);
        fluid_settings_setnum(made->settings, "synth.gain", kGain);
        fluid_settings_setint(made->settings, "synth.dynamic-sample-loading", 1);
        fluid_settings_setint(made->settings, "synth.lock-memory", 0);
        fluid_settings_setint(made->settings, "synth.cpu-cores", 1);
        fluid_settings_setstr(made->settings, "player.timing-source", "sample");
        made->synth = new_fluid_synth(made->settings);
    }
    if (!made->synth) {
        *error = tr("le synthétiseur MIDI n'a pas pu démarrer");
        return nullptr;
    }
    if (fluid_synth_sfload(made->synth, soundFont.constData(), 1) == FLUID_FAILED) {
        *error = tr("la banque de sons %1 est illisible").arg(QString::fromLocal8Bit(soundFont));
        return nullptr;
    }
    return made;
}

void MidiStream::Library::giveBack(std::unique_ptr<Synth> synth)
{
    std::lock_guard lock(m_mutex);
    m_spare = std::move(synth);
}

MidiStream::MidiStream(Library& library, std::shared_ptr<const MidiSong> song,
                       std::unique_ptr<Library::Synth> synth)
    : m_library(library)
    , m_song(std::move(song))
    , m_synth(std::move(synth))
    , m_frames(framesFor(m_song->file.durationSeconds()).value_or(0))
{
    m_header = wavHeader(m_frames);
}

MidiStream::~MidiStream()
{
    if (m_player)
        delete_fluid_player(m_player);
    fluid_synth_all_sounds_off(m_synth->synth, -1);
    m_library.giveBack(std::move(m_synth));
}

std::optional<int64_t> MidiStream::framesFor(double seconds)
{
    if (std::isnan(seconds))
        return std::nullopt;
    if (seconds <= 0)
        return 0;
    // Compared as a double before any conversion: a conversion of a value
    // outside int64_t is undefined.
    const double frames = std::ceil(seconds * kSampleRate);
    if (!(frames <= double(kMaxFrames)))
        return std::nullopt;
    return int64_t(frames);
}

QByteArray MidiStream::wavHeader(int64_t frames)
{
    const quint32 dataBytes = quint32(std::clamp<int64_t>(frames, 0, kMaxFrames) * kBytesPerFrame);
    QByteArray out("RIFF");
    appendLe(out, dataBytes + kHeaderBytes - 8, 4);
    out += "WAVEfmt ";
    appendLe(out, 16, 4);
    appendLe(out, 1, 2); // PCM
    appendLe(out, kChannels, 2);
    appendLe(out, kSampleRate, 4);
    appendLe(out, kSampleRate * kBytesPerFrame, 4);
    appendLe(out, kBytesPerFrame, 2);
    appendLe(out, 16, 2);
    out += "data";
    appendLe(out, dataBytes, 4);
    return out;
}

// A fresh player for each start: FluidSynth's player seeks reliably only
// before it plays, and a player that reached the end cannot go back. Seeking
// replays the controller and program changes up to the tick, without notes.
void MidiStream::startAt(int64_t frame)
{
    if (m_player)
        delete_fluid_player(m_player);
    fluid_synth_all_sounds_off(m_synth->synth, -1);
    m_player = new_fluid_player(m_synth->synth);
    if (m_player) {
        const QByteArray& smf = m_song->file.standardFile();
        fluid_player_add_mem(m_player, smf.constData(), size_t(smf.size()));
        const qint64 tick = m_song->file.tickAtSeconds(double(frame) / kSampleRate);
        if (tick > 0)
            fluid_player_seek(m_player, int(std::min<qint64>(tick, INT32_MAX)));
        fluid_player_play(m_player);
    }
    m_synthFrame = frame;
}

void MidiStream::render(int64_t frames)
{
    m_block.resize(size_t(frames * kChannels));
    fluid_synth_write_s16(m_synth->synth, int(frames), m_block.data(), 0, 2, m_block.data(), 1, 2);
    m_blockFrame = m_synthFrame;
    m_synthFrame += frames;
}

int64_t MidiStream::read(char* buffer, uint64_t bytes)
{
    int64_t done = 0;
    const int64_t wanted = int64_t(std::min<uint64_t>(bytes, uint64_t(size() - std::min(m_offset, size()))));
    while (done < wanted) {
        if (m_offset < kHeaderBytes) {
            const int64_t n = std::min<int64_t>(kHeaderBytes - m_offset, wanted - done);
            std::memcpy(buffer + done, m_header.constData() + m_offset, size_t(n));
            done += n;
            m_offset += n;
            continue;
        }
        const int64_t frame = (m_offset - kHeaderBytes) / kBytesPerFrame;
        const int64_t blockFrames = int64_t(m_block.size()) / kChannels;
        if (frame < m_blockFrame || frame >= m_blockFrame + blockFrames) {
            if (frame != m_synthFrame)
                startAt(frame);
            render(std::min(kMaxBlockFrames, m_frames - frame));
        }
        const int64_t from = m_offset - kHeaderBytes - m_blockFrame * kBytesPerFrame;
        const int64_t available = int64_t(m_block.size()) * 2 - from;
        const int64_t n = std::min(available, wanted - done);
        std::memcpy(buffer + done, reinterpret_cast<const char*>(m_block.data()) + from, size_t(n));
        done += n;
        m_offset += n;
    }
    return done;
}

int64_t MidiStream::seek(int64_t offset)
{
    if (offset < 0 || offset > size())
        return MPV_ERROR_GENERIC;
    m_offset = offset;
    return offset;
}
