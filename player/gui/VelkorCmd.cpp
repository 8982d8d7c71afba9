// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/VelkorCmd.h"

#include "gui/Canvas.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// Each symbol character with the Unicode texts that show it, best first; the
// later ones use only symbols that the DejaVu fonts have.
struct SymbolEntry {
    const char* font;
    char16_t character;
    const char32_t* texts[3]; // unused places stay null
};

const SymbolEntry kSymbols[] = {
    { "webdings", u'4', { U"\u25B6" } }, // play
    { "webdings", u';', { U"\u23F8", U"\u275A\u275A" } }, // pause
    { "webdings", u'<', { U"\u25A0" } }, // stop
    { "webdings", u'7', { U"\u23EA", U"\u25C0\u25C0" } }, // rewind
    { "webdings", u'8', { U"\u23E9", U"\u25B6\u25B6" } }, // fast forward
    { "webdings", u'9', { U"\u23EE", U"\u275A\u25C0\u25C0" } }, // previous track
    { "webdings", u':', { U"\u23ED", U"\u25B6\u25B6\u275A" } }, // next track
    { "webdings", u'U', { U"\U0001F50A", U"\u266B" } }, // sound on
    { "webdings", u'V', { U"\U0001F507", U"\u2715" } }, // muted
    { "webdings", u'\u00BE', { U"\u26F6", U"\u2922", U"\u2B1A" } }, // full screen
    { "wingdings", u'1', { U"\U0001F4C2", U"\U0001F5C1", U"\u23CF" } }, // open folder
};

const char* const kSymbolFamilies[] = {
    "DejaVu Sans",
    "Noto Sans Symbols 2",
    "Noto Sans Symbols",
    "Symbola",
    "Noto Color Emoji",
    "DejaVu Serif",
};

QString familyFor(const QString& text)
{
    const QStringList installed = QFontDatabase::families();
    for (const char* family : kSymbolFamilies) {
        const QString name = QString::fromLatin1(family);
        if (!installed.contains(name, Qt::CaseInsensitive))
            continue;
        const QFontMetrics metrics { QFont(name) };
        bool all = true;
        for (const char32_t cp : text.toUcs4())
            all = all && metrics.inFontUcs4(cp);
        if (all)
            return name;
    }
    return QString();
}

} // namespace

VelkorCmd::VelkorCmd(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent)
    , m_caption(caption)
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
    QFont f(QStringLiteral("DejaVu Sans Condensed"));
    f.setPixelSize(10);
    f.setBold(true);
    setFont(f);
}

// Every click, by the mouse, a key, a shortcut or click(), passes here once,
// just before the button reports it as clicked: it is the button's Click. The
// button shows itself raised first, as a handler may open a modal dialog.
void VelkorCmd::nextCheckState()
{
    QPushButton::nextCheckState();
    repaint();
    Q_EMIT Click();
}

void VelkorCmd::setCaption(const QString& caption)
{
    m_caption = caption;
    setText(caption);
    nameAfterCaption();
    update();
}

void VelkorCmd::setCaptionNames(const QHash<QString, QString>& names)
{
    m_captionNames = names;
    nameAfterCaption();
}

void VelkorCmd::nameAfterCaption()
{
    if (const auto it = m_captionNames.constFind(m_caption); it != m_captionNames.constEnd())
        setAccessibleName(*it);
}

void VelkorCmd::setValue(int value)
{
    m_value = value;
    update();
}

void VelkorCmd::setForeColor(const QColor& color)
{
    m_foreColor = color;
    update();
}

std::optional<VelkorCmd::Symbol> VelkorCmd::symbolFor(
    const QString& fontFamily, const QString& caption)
{
    if (caption.size() != 1)
        return std::nullopt;
    static QHash<QString, std::optional<Symbol>> resolved;
    const QString key = fontFamily.toLower() + QLatin1Char('\n') + caption;
    if (auto it = resolved.constFind(key); it != resolved.constEnd())
        return *it;

    std::optional<Symbol> found;
    for (const SymbolEntry& entry : kSymbols) {
        if (fontFamily.compare(QLatin1String(entry.font), Qt::CaseInsensitive) != 0
            || caption.front().unicode() != entry.character)
            continue;
        for (const char32_t* candidate : entry.texts) {
            if (!candidate)
                break;
            const QString text = QString::fromUcs4(candidate);
            const QString family = familyFor(text);
            if (!family.isEmpty()) {
                found = Symbol { text, family };
                break;
            }
        }
        // Without any font for it, the first form still says what it means.
        if (!found)
            found = Symbol { QString::fromUcs4(entry.texts[0]), QString() };
        break;
    }
    resolved.insert(key, found);
    return found;
}

QString VelkorCmd::displayText() const
{
    if (const auto symbol = symbolFor(font().family(), m_caption))
        return symbol->text;
    return m_caption;
}

QFont VelkorCmd::displayFont() const
{
    const auto symbol = symbolFor(font().family(), m_caption);
    if (!symbol)
        return font();
    QFont f(symbol->family.isEmpty() ? QStringLiteral("DejaVu Sans") : symbol->family);
    // Symbols fill most of the button's height; rows of them get narrower.
    const int glyphs = int(symbol->text.toUcs4().size());
    const int byHeight = height() * 11 / 20;
    const int byWidth = glyphs > 1 ? width() * 7 / (10 * glyphs) : byHeight;
    f.setPixelSize(std::max(6, std::min(byHeight, byWidth)));
    return f;
}

VelkorCmd::Look VelkorCmd::currentLook() const
{
    Look look;
    look.size = size();
    look.text = displayText();
    look.font = displayFont();
    look.foreColor = m_foreColor;
    look.pressed = m_value != 0 || isDown();
    look.hovered = underMouse();
    look.enabled = isEnabled();
    look.devicePixelRatio = devicePixelRatioF();
    return look;
}

QImage VelkorCmd::render(const Look& look)
{
    QImage image = transparentCanvas(look.size, look.devicePixelRatio);
    if (look.size.isEmpty())
        return image;

    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(QPointF(0, 0), QSizeF(look.size)).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = std::min<qreal>(5.0, std::min(r.width(), r.height()) / 3.0);

    QColor top(0x5B, 0x74, 0x96);
    QColor bottom(0x25, 0x33, 0x4A);
    if (look.hovered && !look.pressed) {
        top = top.lighter(118);
        bottom = bottom.lighter(118);
    }
    QLinearGradient face(r.topLeft(), r.bottomLeft());
    if (look.pressed) {
        face.setColorAt(0, bottom.darker(115));
        face.setColorAt(1, top.darker(110));
    } else {
        face.setColorAt(0, top);
        face.setColorAt(0.48, top.darker(115));
        face.setColorAt(0.52, bottom.lighter(110));
        face.setColorAt(1, bottom);
    }
    p.setPen(QPen(QColor(0x10, 0x18, 0x26), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(r, radius, radius);
    // A thin highlight along the top edge gives the raised look.
    if (!look.pressed) {
        p.setPen(QPen(QColor(255, 255, 255, 70), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(r.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }

    QColor text = look.foreColor;
    if (!look.enabled)
        text.setAlpha(110);
    p.setPen(text);
    p.setFont(look.font);
    const QRectF textRect = look.pressed ? r.translated(1, 1) : r;
    p.drawText(textRect, Qt::AlignCenter | Qt::TextShowMnemonic, look.text);
    return image;
}

void VelkorCmd::paintEvent(QPaintEvent*)
{
    const Look look = currentLook();
    if (m_cache.isNull() || !(look == m_cachedLook)) {
        m_cache = render(look);
        m_cachedLook = look;
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), m_cache);
}

QSize VelkorCmd::sizeHint() const
{
    const QFontMetrics metrics(displayFont());
    return metrics.size(Qt::TextShowMnemonic, displayText()) + QSize(16, 8);
}
