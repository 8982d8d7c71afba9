#pragma once

#include <QIcon>
#include <QObject>
#include <QRandomGenerator>
#include <QSet>

#include <array>

class frmMain;

// Which playlist entry plays: next, previous, the start of an entry (the one
// place where a playlist entry is handed to the engine), shuffle and repeat.
class TrackSelection : public QObject {
    Q_OBJECT
public:
    explicit TrackSelection(frmMain& main);

    void cmdForward_Click();
    void cmdBack_Click();
    void lstPlay_DblClick();
    void chkRepeat_Click();
    void chkSuffle_Click();

    // The shuffle check box's pictures: 0 shuffle off, 1 shuffle on.
    const std::array<QIcon, 2>& imgSuff() const { return m_imgSuff; }

    // A random entry of a playlist whose last index is n: the integer nearest
    // to r * n, halves to even, for r uniform in [0, 1). The first and last
    // entries are half as likely as the others.
    int randomIndex(int n);
    static int randomIndex(double r, int n);

    // Seeds the random source from the clock, or with a given seed (tests).
    void Randomize();
    void Randomize(quint32 seed);

private:
    class ChainScope;

    void select(int index);
    // A chain of starts that keeps failing (entries that do not open, break
    // entries passed with OK) ends once every entry has been tried without a
    // successful start, as at the end of the list.
    bool passExhausted(int index);
    void moveOnAfterFailure();
    void endPlayback();

    frmMain& m_main;
    QRandomGenerator m_random;
    std::array<QIcon, 2> m_imgSuff;
    QSet<int> m_triedWithoutStart;
    int m_depth = 0;
    bool m_movingOn = false;
    bool m_nextRequested = false;
};
