// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QCheckBox>
#include <QImage>

// The picture check box of the main window: a small rounded plate showing a
// symbol, lit when checked. An icon set on it (QAbstractButton::setIcon) takes
// the symbol's place.
class VelkorCheck : public QCheckBox {
    Q_OBJECT
public:
    explicit VelkorCheck(const QString& symbol, QWidget* parent = nullptr);

    QString symbol() const { return m_symbol; }

    static QImage render(QSize size, const QString& symbol, const QIcon& icon, bool checked,
        bool hovered, qreal devicePixelRatio = 1.0);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;

private:
    QString m_symbol;
};
