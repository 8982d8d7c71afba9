#include "core/MediaFilter.h"

#include "dialogs/cDlgcom.h"

QString chooseMediaFile(QWidget* owner)
{
    cDlgcom dialog;
    dialog.sethdcOwner(owner);
    dialog.setFileName(QString());
    dialog.setFilter(MediaFilter);
    dialog.ShowOpen();
    return dialog.FileName();
}
