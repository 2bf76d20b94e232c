#pragma once

#include <QPointer>
#include <QProxyStyle>

// The one look of every drop-down menu: dark background rgb(50,50,50), white
// centred item text with 20 pixels of side padding, selected items
// rgb(145,145,145) marked with the theme colour, pressed items
// rgb(200,200,200), no borders. A style rather than a style sheet, because
// style sheets cannot centre menu item text.
// (label: VeskMenuStyle)
class SkinMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    // Shared instance, owned by the application object.
    static SkinMenuStyle *instance();
    // The padding at each side of an item's text, at the current scale.
    static int sidePadding();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    int styleHint(StyleHint hint, const QStyleOption *option = nullptr, const QWidget *widget = nullptr,
                  QStyleHintReturn *returnData = nullptr) const override;

private:
    SkinMenuStyle();
    static QPointer<SkinMenuStyle> s_instance;
};
