#include "display/PackageDrawing.h"

#include "library/Extent.h"

#include <algorithm>

namespace pinatlas {

QString pinBoxText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

PinBoxes FillPinBoxes(const Datasheet& sheet, const QList<PinRole>& roles) {
    const int n = std::clamp(int(sheet.pinCount), 0, 2 * kStubsPerSide);
    const int leftCount = (n + 1) / 2;
    PinBoxes boxes;
    qsizetype longest = 0;
    for (int k = 1; k <= leftCount; ++k) {
        const QString name = sheet.pinName(k);
        boxes.namesL << name;
        boxes.numbersL << QStringLiteral(" %1").arg(k);
        longest = std::max(longest, name.size());
    }
    boxes.widthL = clampExtent((qint64(longest) + 1) * kPinCharWidth);
    for (int k = n; k > leftCount; --k) {
        boxes.namesR << sheet.pinName(k);
        boxes.numbersR << QStringLiteral(" %1").arg(k);
    }
    boxes.height = boxes.rows() * kPinPitch;
    if (roles.isEmpty())
        return boxes;
    const auto marksOf = [&roles](int pin) {
        return pin <= roles.size() ? pinMarks(roles[pin - 1]) : QList<PinMark>();
    };
    for (int k = 1; k <= leftCount; ++k)
        boxes.marksL << marksOf(k);
    for (int k = n; k > leftCount; --k)
        boxes.marksR << marksOf(k);
    for (PinMark mark : kLegendOrder)
        for (const auto* side : {&boxes.marksL, &boxes.marksR})
            for (const QList<PinMark>& marks : *side)
                if (marks.contains(mark) && !boxes.legend.contains(mark))
                    boxes.legend << mark;
    return boxes;
}

PackagePlacement PlacePackage(const PinBoxes& boxes, int x0, int y0, int pixel) {
    const int rows = boxes.rows();
    const int bodyLeft = x0 + boxes.widthL + kStubLength;
    const int bodyRight = bodyLeft + kBodyWidth;
    const int bodyTop = y0;
    const int bodyBottom = y0 + (rows + 1) * kPinPitch;

    PackagePlacement p;
    p.outline[0] = {bodyLeft, bodyTop, bodyRight, bodyTop};
    p.outline[1] = {bodyLeft, bodyTop, bodyLeft, bodyBottom};
    p.outline[2] = {bodyRight, bodyTop, bodyRight, bodyBottom};
    p.outline[3] = {bodyLeft, bodyBottom, bodyRight, bodyBottom};

    const int boxTop = y0 + kPinBoxOffset;
    p.pinsNrL = {bodyLeft + pixel, boxTop};
    p.pinsNrR = {bodyRight - pixel - kPinNumberWidth, boxTop};
    p.pinsL = {x0, boxTop};
    p.pinsR = {bodyRight + kStubLength, boxTop};
    p.marksL = {x0 + boxes.widthL, boxTop};
    p.marksR = {bodyRight, boxTop};
    p.legend = {x0, bodyBottom + kLegendBelowBody};

    // One twip below the pitch line, level with the middle of the box line.
    const auto rowY = [y0](int k) { return y0 + kPinPitch * k + 1; };
    for (int k = 1; k <= std::min(int(boxes.namesL.size()), kStubsPerSide); ++k)
        p.left[k - 1] = {true, {x0 + boxes.widthL + pixel, rowY(k), bodyLeft, rowY(k)}};
    for (int k = 1; k <= std::min(int(boxes.namesR.size()), kStubsPerSide); ++k)
        p.right[k - 1] = {true,
                          {bodyRight + pixel, rowY(k), bodyRight + kStubLength - pixel, rowY(k)}};
    return p;
}

} // namespace pinatlas
