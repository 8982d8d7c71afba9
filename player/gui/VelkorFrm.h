// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// The skinned frame: a rounded, shaded panel with an optional caption on its
// top edge, holding other controls.
class VelkorFrm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    explicit VelkorFrm(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);

    static QImage render(
        QSize size, const QString& caption, const QFont& font, qreal devicePixelRatio = 1.0);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString m_caption;
    QImage m_cache;
};
