#pragma once

#include <QObject>
#include <QRandomGenerator>
#include <QSet>

class PlayerCore;

// Which playlist entry plays: Next, Previous, the start of an entry (the one
// place where a playlist entry is handed to the engine), break entries,
// shuffle and repeat.
class Sequencer : public QObject {
    Q_OBJECT
public:
    explicit Sequencer(PlayerCore& core);

    void cmdForward_Click();
    void cmdBack_Click();
    void lstPlay_DblClick();
    // Makes entries the whole playlist and starts the first (files from the
    // command line, a drop of files that plays, MPRIS OpenUri).
    void replaceAndPlay(const QStringList& entries);
    void chkRepeat_Click(bool checked);
    void chkSuffle_Click(bool checked);

    // A random entry of a playlist whose last index is n: the integer nearest
    // to r * n, halves to even, for r uniform in [0, 1). The first and last
    // entries are half as likely as the others.
    int randomIndex(int n);
    static int randomIndex(double r, int n);

    // Seeds the random source from the clock, or with a given seed (tests).
    void Randomize();
    void Randomize(quint32 seed);

Q_SIGNALS:
    void shuffleChanged(bool on);
    void repeatChanged(bool on);

private:
    class ChainScope;

    void select(int index);
    void startBreak(int selected);
    // A chain of starts that keeps failing (entries that do not open, break
    // entries passed with OK) ends once every entry has been tried without a
    // successful start, as at the end of the list.
    bool passExhausted(int index);
    void moveOnAfterFailure();
    void endPlayback();

    PlayerCore& m_core;
    QRandomGenerator m_random;
    QSet<int> m_triedWithoutStart;
    int m_depth = 0;
    bool m_movingOn = false;
    bool m_nextRequested = false;
};
