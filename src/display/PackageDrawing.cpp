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

MarkBox pinMarkSize(PinMark mark) {
    switch (mark) {
    case PinMark::ActiveLow:
        return {mark, 0, 0, 105, 105};
    case PinMark::Clock:
        return {mark, 0, 0, 100, 160};
    case PinMark::OpenCollector:
        return {mark, 0, 0, 130, 160};
    case PinMark::ThreeState:
        return {mark, 0, 0, 140, 120};
    case PinMark::Schmitt:
        return {mark, 0, 0, 140, 110};
    }
    return {mark};
}

QList<MarkBox> placePinMarks(const QList<PinMark>& marks, int bodyX, int stubY, bool bodyOnRight) {
    constexpr int kGap = 10;
    int total = 0;
    for (PinMark m : marks)
        total += pinMarkSize(m).width + kGap;
    const double shrink = total > kMarkStripWidth ? double(kMarkStripWidth) / total : 1.0;
    QList<MarkBox> boxes;
    int edge = 0; // from the body outwards
    for (qsizetype k = marks.size() - 1; k >= 0; --k) {
        MarkBox b = pinMarkSize(marks[k]);
        b.width = int(b.width * shrink);
        b.height = int(b.height * shrink);
        b.x = bodyOnRight ? bodyX - edge - b.width : bodyX + edge;
        b.y = stubY - b.height / 2;
        edge += b.width + int(kGap * shrink);
        boxes.prepend(b);
    }
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
