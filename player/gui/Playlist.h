#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QListView;
class QStringListModel;

// The playlist: the ordered text entries shown in lstPlay, which is their only
// store, the selection (-1 for none) and CurrentTrack.
class Playlist : public QObject {
    Q_OBJECT
public:
    Playlist(QListView* lstPlay, QObject* parent = nullptr);

    void Append(const QString& entry);
    void AppendMany(const QStringList& entries);
    int Count() const;
    QString Entry(int index) const;
    QStringList Entries() const;
    void Clear();
    void Remove(int index);

    // The selected index, -1 when nothing is selected. Setting the index it
    // already has does nothing; any other change raises selectionChanged.
    int ListIndex() const;
    void setListIndex(int index);

    short CurrentTrack() const { return m_currentTrack; }
    void setCurrentTrack(short track) { m_currentTrack = track; }

Q_SIGNALS:
    void selectionChanged(int index);

private:
    QListView* m_view;
    QStringListModel* m_model;
    short m_currentTrack = 0;
};
