#pragma once

// One token of the diagnostics filter field, measured and drawn as a two-part capsule and a grey "and": a left pill
// with the filter's kind and operator in capitals (RULE=) on the kind's colour darkened, a right pill with the
// filter's value on grey, then the word. The kind's colour is fixed when the cell is made; the texts follow the
// cell's string value.
//
// Drawing modes: 0 normal, 1 highlighted, 2 selected (the token lies in the selection of the focused field).

#include "engine/XADiagnosticFilter.h"

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>

#include <map>

class QPainter;

class XATokenTextAttachmentCell {
public:
    XATokenTextAttachmentCell();
    explicit XATokenTextAttachmentCell(const QString &text);

    const QString &stringValue() const { return stringValue_; }
    void setStringValue(const QString &text) { stringValue_ = text; }
    const QFont &font() const { return font_; }
    void setFont(const QFont &font) { font_ = font; }
    int tokenDrawingMode() const { return tokenDrawingMode_; }
    void setTokenDrawingMode(int mode) { tokenDrawingMode_ = mode; }

    // A filter parsed anew from the string value.
    XADiagnosticFilter diagnosticFilterValue() const;
    // The filter's kind and operator ("rule=", "?").
    QString kindString() const;
    // The cell's font at max(its size − 3, 10) points.
    QFont kindTextFont() const;
    QFont valueTextFont() const { return font_; }
    QSizeF kindTextSize() const;
    QSizeF valueTextSize() const;
    // "and" in the system font of 11 points, plus 6 points of width.
    QSizeF suffixTextSize() const;
    double maxTextHeight() const;
    QSizeF kindCellPillSize() const;
    QSizeF valueCellPillSize() const;
    // What the text reserves for the token, "and" included.
    QSizeF cellSize() const;

    void updateColorScheme();
    // Draws the token at the frame's origin; the frame's size is not consulted.
    void drawTokenWithFrame(QPainter *painter, const QRectF &frame) const;

    using Palette = std::map<int, QColor>;
    const Palette &kindPillFillColors() const { return kindPillFillColors_; }
    const Palette &kindPillStrokeColors() const { return kindPillFillColors_; }
    const Palette &valuePillFillColors() const { return valuePillFillColors_; }
    const Palette &valuePillStrokeColors() const { return valuePillFillColors_; }
    const Palette &kindTextColors() const { return kindTextColors_; }
    const Palette &valueTextColors() const { return valueTextColors_; }

    // The font of the suffix "and".
    static QFont suffixFont();
    static QColor suffixColor() { return QColor(128, 128, 128); }

private:
    void performOwnInit();
    QString valueString() const;

    bool initPerformed_ = false;
    QString stringValue_;
    QFont font_;
    int tokenDrawingMode_ = 0;
    Palette kindPillFillColors_;
    Palette valuePillFillColors_;
    Palette kindTextColors_;
    Palette valueTextColors_;
};
