#include "playlist/Playlist.h"

#include <QItemSelectionModel>
#include <QListView>
#include <QStringListModel>

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
    const int row = m_model->rowCount();
    m_model->insertRows(row, int(entries.size()));
    for (int i = 0; i < entries.size(); ++i)
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
    m_model->setStringList({});
    m_view->selectionModel()->clear();
}

void Playlist::Remove(int index)
{
    if (index < 0 || index >= Count())
        return;
    m_model->removeRows(index, 1);
    m_view->selectionModel()->clear();
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
    m_view->selectionModel()->setCurrentIndex(m_model->index(index),
                                              QItemSelectionModel::ClearAndSelect);
}
