// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/MidiFile.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <climits>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

struct mpv_handle;
struct _fluid_synth_t;
struct _fluid_player_t;

// A MIDI song ready to be played: the parsed file and the SoundFont to play it with.
struct MidiSong {
    MidiFile file;
    QByteArray soundFont;
};

// MIDI played through libmpv: libmpv reads a song from the protocol
// "velkor-midi://N" as a 16-bit stereo 44.1 kHz WAV stream whose samples
// FluidSynth makes as they are read. Nothing is rendered ahead, so a song of
// any length opens at once; a read at another place seeks the synthesiser's
// sample-timed player to the tick of that moment. The sound then goes through
// libmpv's audio chain like any other file's (volume, balance, mute).
class MidiStream {
public:
    static constexpr int kSampleRate = 44100;
    static constexpr int kChannels = 2;
    static constexpr int kBytesPerFrame = 2 * kChannels;
    static constexpr int kHeaderBytes = 44;
    // The most frames the stream can describe: its WAV header counts the data
    // bytes in 32 bits (a little under 6 h 46 min). Longer songs are refused.
    static constexpr int64_t kMaxFrames = (int64_t(UINT32_MAX) - kHeaderBytes) / kBytesPerFrame;

    // The songs one libmpv instance can open, and the synthesiser kept between
    // songs so that the SoundFont is loaded once. libmpv calls in on its own
    // threads, so everything here is locked.
    class Library {
    public:
        Library();
        ~Library();
        // Registers the protocol with libmpv; false when libmpv refused.
        bool install(mpv_handle* mpv);
        // The address libmpv opens the song under. Earlier songs are forgotten
        // (a stream already open keeps its own).
        QByteArray publish(std::shared_ptr<const MidiSong> song);
        // Why the last open of uri failed, in French; "" when it did not.
        QString openError(const QByteArray& uri) const;

    private:
        friend class MidiStream;
        struct Synth;
        std::shared_ptr<const MidiSong> song(const QByteArray& uri) const;
        void setOpenError(const QByteArray& uri, const QString& error);
        std::unique_ptr<Synth> takeSynth(const QByteArray& soundFont, QString* error);
        void giveBack(std::unique_ptr<Synth> synth);

        mutable std::mutex m_mutex;
        std::map<QByteArray, std::shared_ptr<const MidiSong>> m_songs;
        std::map<QByteArray, QString> m_errors;
        std::unique_ptr<Synth> m_spare;
        int m_next = 1;
    };

    MidiStream(Library& library, std::shared_ptr<const MidiSong> song, std::unique_ptr<Library::Synth> synth);
    ~MidiStream();

    int64_t size() const { return kHeaderBytes + m_frames * kBytesPerFrame; }
    int64_t read(char* buffer, uint64_t bytes);
    int64_t seek(int64_t offset);

    // The number of sample frames the song lasts; std::nullopt when that is
    // not a number or more than kMaxFrames.
    static std::optional<int64_t> framesFor(double seconds);
    static QByteArray wavHeader(int64_t frames);

private:
    void startAt(int64_t frame);
    void render(int64_t frames);

    Library& m_library;
    std::shared_ptr<const MidiSong> m_song;
    std::unique_ptr<Library::Synth> m_synth;
    _fluid_player_t* m_player = nullptr;
    QByteArray m_header;
    int64_t m_frames = 0;
    int64_t m_offset = 0;      // where libmpv reads next, in bytes
    int64_t m_synthFrame = -1; // the frame the synthesiser makes next
    // The last block made, kept for reads that end inside one of its frames.
    std::vector<int16_t> m_block;
    int64_t m_blockFrame = 0;
};
