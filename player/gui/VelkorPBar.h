// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>
#include <QWidget>

// The skinned progress bar: a value from 0 to 100, drawn as a filled groove.
class VelkorPBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setValue NOTIFY valueChanged)
public:
    explicit VelkorPBar(QWidget* parent = nullptr);

    int Value() const { return m_value; }
    // Values outside 0..100 are brought to the nearest end.
    void setValue(int value);

    static QImage render(QSize size, int value, qreal devicePixelRatio = 1.0);

Q_SIGNALS:
    void valueChanged(int value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int m_value = 0;
    QImage m_cache;
};
