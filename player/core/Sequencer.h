// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "core/PlaybackState.h"
#include "core/VideoRequest.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRandomGenerator>
#include <QSet>
#include <QString>

class EngineHost;
class PlaybackClock;
class PlaylistModel;
class Prompts;
class TransportController;

// Which playlist entry plays: Next, Previous, the start of an entry (the one
// place where a playlist entry is handed to the engine), break entries,
// shuffle and repeat.
class Sequencer : public QObject {
    Q_OBJECT
public:
    // What the sequencer needs of the player it belongs to: the flags that
    // choose the next entry, the open that also sets the position slider's
    // range, the title, the requests to the windows and the news that an
    // entry may have started. The core answers.
    class Player {
    public:
        virtual ~Player() = default;
        virtual bool Shuffle() const = 0;
        virtual bool RepeatOn() const = 0;
        virtual bool OnTopWanted() const = 0;
        virtual bool openMedia(const QString& path) = 0;
        virtual QString selectionCaption() const = 0;
        virtual void setTitle(const QString& text) = 0;
        virtual void requestVideo(VideoRequest request) = 0;
        virtual void requestMainMinimised() = 0;
        virtual void actionDone(PlaybackState::Action action) = 0;
    };

    // A cancelled break stops the transport; every start shows its media's
    // length on the clock.
    Sequencer(Player& player, PlaylistModel& playlist, EngineHost& engines, Prompts& prompts,
        TransportController& transport, PlaybackClock& clock);

    void cmdForward_Click();
    void cmdBack_Click();
    void lstPlay_DblClick();
    // Makes entries the whole playlist and starts the first (files from the
    // command line, a drop of files that plays, MPRIS OpenUri).
    void replaceAndPlay(const QStringList& entries);

    // A random entry of a playlist whose last index is n: the integer nearest
    // to r * n, halves to even, for r uniform in [0, 1). The first and last
    // entries are half as likely as the others.
    int randomIndex(int n);
    static int randomIndex(double r, int n);

    // Seeds the random source from the clock, or with a given seed (tests).
    void Randomize();
    void Randomize(quint32 seed);

    // True while a run of failing entries waits for the event loop to go on
    // with the next entry; Stop and every new start cancel it.
    bool isMovingOn() const { return m_failingRun.pending; }
    void cancelMoveOn();

private:
    class ChainScope;

    // A run of entries that fail to open, tried one after the other. It is
    // worked through in slices of kChainSliceMs: when a slice is used up, the
    // rest of the run waits for the event loop's next turn.
    struct FailingRun {
        // The loop of moveOnAfterFailure is running; a failure inside it asks
        // for another round of the loop instead of nesting one.
        bool looping = false;
        bool nextRequested = false;
        // The clock of the current slice, started by the outermost handler.
        QElapsedTimer slice;
        // The rest of the run waits for the event loop; the handler running
        // now is that rest.
        bool pending = false;
        bool resuming = false;
        // Which run a queued rest belongs to: a cancel or a newer run makes
        // an older queued rest do nothing.
        quint64 id = 0;
    };

    void select(int index);
    void startBreak(int selected);
    // A chain of starts that keeps failing (entries that do not open, break
    // entries passed with OK) ends once every entry has been tried without a
    // successful start, as at the end of the list.
    bool passExhausted(int index);
    void moveOnAfterFailure();
    void resumeLater();
    void endPlayback();

    Player& m_player;
    PlaylistModel& m_playlist;
    EngineHost& m_engines;
    Prompts& m_prompts;
    TransportController& m_transport;
    PlaybackClock& m_clock;

    QRandomGenerator m_random;
    QSet<int> m_triedWithoutStart;
    // How deep Next, Previous and Start run inside one another.
    int m_depth = 0;
    FailingRun m_failingRun;
};
