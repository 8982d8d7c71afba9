#pragma once

#include <QObject>
#include <QStringList>

class frmMain;
class QMimeData;

// Files and folders dropped on the main window or the playlist are appended to
// the playlist as "Ajouter un fichier" and "Ajouter un répertoir" add them. It
// watches the window and the list as an event filter, so neither needs to know.
class DropHandler : public QObject {
    Q_OBJECT
public:
    explicit DropHandler(frmMain& window);

    // The local paths a drag carries, in order; empty when it carries none.
    static QStringList localPaths(const QMimeData* data);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    frmMain& m_window;
};
