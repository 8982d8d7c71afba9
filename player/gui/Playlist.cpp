#include "gui/Playlist.h"

#include "core/PlaylistFile.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QStringListModel>

#include <algorithm>

Playlist::Playlist(QListView* lstPlay, QObject* parent)
    : QObject(parent)
    , m_view(lstPlay)
    , m_model(new QStringListModel(this))
{
    m_view->setModel(m_model);
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
        [this](const QModelIndex& current) { Q_EMIT selectionChanged(current.row()); });
}

void Playlist::Append(const QString& entry)
{
    AppendMany({ entry });
}

void Playlist::AppendMany(const QStringList& entries)
{
    // Indices are 16-bit: what does not fit is left out.
    const int row = m_model->rowCount();
    const int count = std::min<int>(int(entries.size()), PlaylistFile::kMaxEntries - row);
    if (count <= 0)
        return;
    if (row == 0) {
        // Filling an empty list (a load or the restore at start-up) in one go
        // keeps it quick for a full playlist.
        m_model->setStringList(count == entries.size() ? entries : entries.first(count));
        return;
    }
    m_model->insertRows(row, count);
    for (int i = 0; i < count; ++i)
        m_model->setData(m_model->index(row + i), entries.at(i));
}

int Playlist::Count() const
{
    return m_model->rowCount();
}

QString Playlist::Entry(int index) const
{
    return m_model->data(m_model->index(index)).toString();
}

QStringList Playlist::Entries() const
{
    return m_model->stringList();
}

void Playlist::Clear()
{
    // The selection goes first, so that no neighbour becomes current on the way.
    m_view->selectionModel()->clear();
    m_model->setStringList({});
}

void Playlist::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_view->selectionModel()->clear();
    m_model->removeRows(index, 1);
}

int Playlist::ListIndex() const
{
    const QModelIndex current = m_view->selectionModel()->currentIndex();
    return current.isValid() && m_view->selectionModel()->isSelected(current) ? current.row() : -1;
}

void Playlist::setListIndex(int index)
{
    if (index == ListIndex())
        return;
    if (index < 0 || index >= Count()) {
        m_view->selectionModel()->clear();
        return;
    }
    m_view->selectionModel()->setCurrentIndex(
        m_model->index(index), QItemSelectionModel::ClearAndSelect);
}
