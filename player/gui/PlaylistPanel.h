// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class frmMain;

// The playlist panel: its five buttons (cmdAPlayList), the keys and the
// double-click of lstPlay, and the selection label txtFN.
class PlaylistPanel : public QObject {
    Q_OBJECT
public:
    explicit PlaylistPanel(frmMain& main);

    // index 0 "&Ajouter", 1 "&Supprimer", 2 "&Sauvgarder", 3 "&Charger", 4 "&Vider".
    void cmdAPlayList_Click(int index);
    // A character typed in the list: "." removes the selected entry, Enter
    // plays it.
    void lstPlay_KeyPress(int keyAscii);

    void Add();
    void Remove();
    void Save();
    void Load();
    void Clear();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Hides the video window and pauses around a modal file dialog.
    template <typename Show> bool runFileDialog(Show show);

    frmMain& m_main;
};
