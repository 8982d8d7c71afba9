// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QHash>
#include <QPushButton>

#include <optional>

// The skinned push button of the player: a caption, a font, a text colour
// (ForeColor), a pressed state (Value) and the Click event.
//
// A caption in one of the classic symbol fonts ("Webdings", "Wingdings") keeps
// its character ("4", "U", ...): Caption() returns it unchanged, while the
// button draws the Unicode symbol that character stands for, in a font that has
// the symbol.
class VelkorCmd : public QPushButton {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Value READ Value WRITE setValue)
    Q_PROPERTY(QColor ForeColor READ ForeColor WRITE setForeColor)
public:
    explicit VelkorCmd(const QString& caption, QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Pressed state: non-zero draws the button pressed, 0 raised.
    int Value() const { return m_value; }
    void setValue(int value);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor& color);

    // What assistive technology calls the button for each caption: a symbol
    // character says nothing read aloud, so the name follows the caption's
    // meaning ("U" sound on, "V" muted). A caption without an entry keeps the
    // name the button has.
    void setCaptionNames(const QHash<QString, QString>& names);

    // What the button draws for its caption, and with which font.
    QString displayText() const;
    QFont displayFont() const;

    // Everything the picture of a button depends on.
    struct Look {
        QSize size;
        QString text;
        QFont font;
        QColor foreColor;
        bool pressed = false;
        bool hovered = false;
        bool enabled = true;
        qreal devicePixelRatio = 1.0;
        bool operator==(const Look&) const = default;
    };
    static QImage render(const Look& look);

    // The symbol a symbol-font character stands for, with a font that can draw
    // it; std::nullopt when the font is not a symbol font or the character has
    // no symbol.
    struct Symbol {
        QString text;
        QString family;
    };
    static std::optional<Symbol> symbolFor(const QString& fontFamily, const QString& caption);

Q_SIGNALS:
    void Click();

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
    QSize sizeHint() const override;

private:
    Look currentLook() const;

    void nameAfterCaption();

    QString m_caption;
    QHash<QString, QString> m_captionNames;
    int m_value = 0;
    QColor m_foreColor { 0xE8, 0xF0, 0xFF };
    mutable Look m_cachedLook;
    mutable QImage m_cache;
};
