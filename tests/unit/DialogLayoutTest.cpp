#include <gtest/gtest.h>

#include <vector>

#include "framework/FontMath.h"
#include "ui/ControlMetrics.h"
#include "ui/DialogTemplate.h"

namespace {

// Writes a dialog template in memory, little-endian, as the resource compiler lays it out.
class CTemplateWriter {
public:
    void Word(unsigned v)
    {
        m_bytes.push_back(static_cast<BYTE>(v & 0xFF));
        m_bytes.push_back(static_cast<BYTE>((v >> 8) & 0xFF));
    }
    void Dword(DWORD v)
    {
        Word(v & 0xFFFF);
        Word(v >> 16);
    }
    void Byte(unsigned v) { m_bytes.push_back(static_cast<BYTE>(v)); }
    void String(const char16_t* text)
    {
        for (; *text != 0; ++text)
            Word(*text);
        Word(0);
    }
    void Ordinal(unsigned v)
    {
        Word(0xFFFF);
        Word(v);
    }
    void Align()
    {
        while (m_bytes.size() % 4 != 0)
            m_bytes.push_back(0);
    }
    const std::vector<BYTE>& Bytes() const { return m_bytes; }

private:
    std::vector<BYTE> m_bytes;
};

struct ItemSpec {
    DWORD id;
    unsigned classOrdinal;
    DWORD style;
    int x, y, cx, cy;
    const char16_t* text;
};

const ItemSpec kToolItems[] = {
    {1, 0x0080, 0x50010001, 55, 135, 85, 18, u"OK"},
    {2, 0x0080, 0x50010000, 157, 135, 85, 18, u"Cancel"},
    {1000, 0x0082, 0x50020000, 11, 11, 275, 123, u""},
};

// The warning's own template 102: extended form, 297 x 162 units, Tahoma 8 points.
std::vector<BYTE> ToolTemplate(DWORD style = 0x90C000C0, unsigned pointSize = 8)
{
    CTemplateWriter t;
    t.Word(1);
    t.Word(0xFFFF);
    t.Dword(0);           // help id
    t.Dword(0x00040000);  // WS_EX_APPWINDOW
    t.Dword(style);
    t.Word(3);
    t.Word(0);
    t.Word(0);
    t.Word(297);
    t.Word(162);
    t.Word(0);  // no menu
    t.String(u"KorvalinkRemoteDetectHLX");
    t.String(u"Korvalink Streamer Warning");
    if (style & kTemplateSetFont) {
        t.Word(pointSize);
        t.Word(400);
        t.Byte(0);
        t.Byte(0);
        t.String(u"Tahoma");
    }
    for (const ItemSpec& item : kToolItems) {
        t.Align();
        t.Dword(0);
        t.Dword(0);
        t.Dword(item.style);
        t.Word(item.x);
        t.Word(item.y);
        t.Word(item.cx);
        t.Word(item.cy);
        t.Dword(item.id);
        t.Ordinal(item.classOrdinal);
        t.String(item.text);
        t.Word(0);  // no creation data
    }
    return t.Bytes();
}

}  // namespace

TEST(DialogTemplate, ToolTemplateFontAndItems)
{
    const std::vector<BYTE> bytes = ToolTemplate();
    DialogTemplateHeader header;
    ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
    EXPECT_TRUE(header.extended);
    EXPECT_EQ(header.style, 0x90C000C0u);
    EXPECT_EQ(header.exStyle, 0x00040000u);
    EXPECT_EQ(header.itemCount, 3);
    EXPECT_EQ(header.cx, 297);
    EXPECT_EQ(header.cy, 162);
    EXPECT_FALSE(header.hasMenu);
    EXPECT_TRUE(header.hasFont);
    EXPECT_EQ(header.pointSize, 8);
    EXPECT_EQ(header.weight, 400);
    EXPECT_EQ(header.italic, 0);
    EXPECT_EQ(header.faceName, u"Tahoma");
    EXPECT_EQ(header.firstItem % 4, 0u);

    std::vector<DialogTemplateItem> items;
    ASSERT_TRUE(ReadDialogTemplateItems(bytes.data(), bytes.size(), header, items));
    ASSERT_EQ(items.size(), 3u);
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].id, kToolItems[i].id);
        EXPECT_EQ(items[i].x, kToolItems[i].x);
        EXPECT_EQ(items[i].y, kToolItems[i].y);
        EXPECT_EQ(items[i].cx, kToolItems[i].cx);
        EXPECT_EQ(items[i].cy, kToolItems[i].cy);
    }
    EXPECT_EQ(DialogFontHeight(header.pointSize, 96.0), -11);
}

TEST(DialogTemplate, ToolTemplateLaidOutWithBaseUnits5And13)
{
    const std::vector<BYTE> bytes = ToolTemplate();
    DialogTemplateHeader header;
    std::vector<DialogTemplateItem> items;
    ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
    ASSERT_TRUE(ReadDialogTemplateItems(bytes.data(), bytes.size(), header, items));
    const double baseX = 5, baseY = 13;

    EXPECT_EQ(DialogUnitsToPixelsX(header.cx, baseX), 371);
    EXPECT_EQ(DialogUnitsToPixelsY(header.cy, baseY), 263);
    const int expected[3][4] = {{69, 219, 106, 29}, {196, 219, 106, 29}, {14, 18, 344, 200}};
    for (size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(DialogUnitsToPixelsX(items[i].x, baseX), expected[i][0]);
        EXPECT_EQ(DialogUnitsToPixelsY(items[i].y, baseY), expected[i][1]);
        EXPECT_EQ(DialogUnitsToPixelsX(items[i].cx, baseX), expected[i][2]);
        EXPECT_EQ(DialogUnitsToPixelsY(items[i].cy, baseY), expected[i][3]);
    }
}

TEST(DialogTemplate, WithoutSetFontThereIsNoFontBlock)
{
    const std::vector<BYTE> bytes = ToolTemplate(0x90C00080);
    DialogTemplateHeader header;
    ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
    EXPECT_FALSE(header.hasFont);
    EXPECT_TRUE(header.faceName.empty());
    std::vector<DialogTemplateItem> items;
    ASSERT_TRUE(ReadDialogTemplateItems(bytes.data(), bytes.size(), header, items));
    EXPECT_EQ(items.back().id, 1000u);
}

TEST(DialogTemplate, NegativePointSizeFieldGivesItsMagnitude)
{
    const std::vector<BYTE> bytes = ToolTemplate(0x90C000C0, 0xFFF8);  // −8 as 16 bits
    DialogTemplateHeader header;
    ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
    EXPECT_EQ(header.pointSize, 0xFFF8);
    EXPECT_EQ(PointSizeMagnitude(header.pointSize), 8);
    EXPECT_EQ(PointSizeMagnitude(8), 8);
    EXPECT_EQ(PointSizeMagnitude(0x8000), 0x8000);
}

TEST(DialogTemplate, ClassicFormHeaderFontAndFirstItem)
{
    CTemplateWriter t;
    t.Dword(0x80C800C0);  // style with DS_SETFONT
    t.Dword(0x00000100);  // extended style
    t.Word(2);            // items
    t.Word(1);
    t.Word(2);
    t.Word(200);
    t.Word(100);
    t.Ordinal(7);          // a menu
    t.String(u"MyClass");  // class
    t.String(u"Title");
    t.Word(9);
    t.String(u"MS Shell Dlg");
    t.Align();
    t.Dword(0x50010000);  // item style
    t.Dword(0);
    t.Word(7);
    t.Word(8);
    t.Word(50);
    t.Word(14);
    t.Word(42);  // 16-bit id
    t.Ordinal(0x0080);
    t.String(u"Go");
    t.Word(2);  // two bytes of creation data
    t.Word(0xABCD);
    t.Align();
    t.Dword(0x50000000);
    t.Dword(0);
    t.Word(1);
    t.Word(2);
    t.Word(3);
    t.Word(4);
    t.Word(43);
    t.String(u"EDIT");
    t.Word(0);
    t.Word(0);
    const std::vector<BYTE>& bytes = t.Bytes();

    DialogTemplateHeader header;
    ASSERT_TRUE(ReadDialogTemplateHeader(bytes.data(), bytes.size(), header));
    EXPECT_FALSE(header.extended);
    EXPECT_EQ(header.style, 0x80C800C0u);
    EXPECT_EQ(header.exStyle, 0x100u);
    EXPECT_EQ(header.itemCount, 2);
    EXPECT_EQ(header.cx, 200);
    EXPECT_EQ(header.cy, 100);
    EXPECT_TRUE(header.hasMenu);
    EXPECT_EQ(header.pointSize, 9);
    EXPECT_EQ(header.weight, 0);
    EXPECT_EQ(header.italic, 0);
    EXPECT_EQ(header.faceName, u"MS Shell Dlg");

    std::vector<DialogTemplateItem> items;
    ASSERT_TRUE(ReadDialogTemplateItems(bytes.data(), bytes.size(), header, items));
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, 42u);
    EXPECT_EQ(items[0].x, 7);
    EXPECT_EQ(items[0].y, 8);
    EXPECT_EQ(items[0].cx, 50);
    EXPECT_EQ(items[0].cy, 14);
    EXPECT_EQ(items[1].id, 43u);
    EXPECT_EQ(items[1].cy, 4);
}

// Every cut of the template is rejected, and (under ASan) nothing past the cut is read: each prefix
// is copied into a buffer of exactly its length.
TEST(DialogTemplate, EveryTruncationIsRejectedWithoutReadingPastTheEnd)
{
    const std::vector<BYTE> whole = ToolTemplate();
    for (size_t length = 0; length < whole.size(); ++length) {
        std::vector<BYTE> cut(whole.begin(), whole.begin() + length);
        DialogTemplateHeader header;
        std::vector<DialogTemplateItem> items;
        const bool read = ReadDialogTemplateHeader(cut.data(), cut.size(), header) &&
                          ReadDialogTemplateItems(cut.data(), cut.size(), header, items);
        EXPECT_FALSE(read) << "accepted a template cut to " << length << " of " << whole.size() << " bytes";
    }
    // An unterminated face name at the very end is no exception.
    std::vector<BYTE> unterminated(whole.begin(), whole.begin() + 100);
    DialogTemplateHeader header;
    EXPECT_FALSE(ReadDialogTemplateHeader(unterminated.data(), unterminated.size(), header));
    EXPECT_FALSE(ReadDialogTemplateHeader(nullptr, 0, header));
}

TEST(DialogTemplate, FaceFallsBackToArialThenMsShellDlg)
{
    EXPECT_EQ(ChooseTemplateFace(u"Tahoma", true, true), u"Tahoma");
    EXPECT_EQ(ChooseTemplateFace(u"Tahoma", true, false), u"Tahoma");
    EXPECT_EQ(ChooseTemplateFace(u"Calibri", false, true), u"Arial");
    EXPECT_EQ(ChooseTemplateFace(u"Calibri", false, false), u"MS Shell Dlg");
}

TEST(DialogLayout, RoundingAndBaseUnits)
{
    EXPECT_EQ(RoundHalfUp(-3.2), -2);
    EXPECT_EQ(RoundHalfUp(10.67), 11);
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(BaseUnitX(260), 5);
    EXPECT_EQ(BaseUnitX(285), 5);
    EXPECT_EQ(BaseUnitX(286), 6);
    // The dialog font is made for 96 DPI whatever the screen says.
    EXPECT_EQ(DialogFontHeight(8, 96.0), -11);
    EXPECT_EQ(DialogFontHeight(8, 120.0), -13);
}

TEST(ControlMetrics, ColoursAndScaledSizes)
{
    EXPECT_EQ(ArgbToColorRef(0xFF202020), 0x00202020u);
    EXPECT_EQ(ArgbToColorRef(0xFFEBEBEB), 0x00EBEBEBu);
    EXPECT_EQ(ArgbToColorRef(0x80123456), 0x00563412u);  // red and blue swap, alpha dropped

    struct {
        int ppi, points, height;
    } const button[] = {{96, 10, -13}, {120, 8, -13}, {144, 6, -12}, {192, 5, -13}};
    for (const auto& c : button) {
        SCOPED_TRACE(c.ppi);
        EXPECT_EQ(ButtonPointSize(c.ppi, 10.0), c.points);
        EXPECT_EQ(PointFontHeight(c.ppi, c.points * 10), c.height);
    }
    EXPECT_FLOAT_EQ(TextControlEmSize(11.0f, 96), 11.0f);
    EXPECT_FLOAT_EQ(TextControlEmSize(11.0f, 120), 8.8f);
    EXPECT_EQ(MulDivRounded(7, 3, 2), 11);    // 10.5 rounds away from zero
    EXPECT_EQ(MulDivRounded(-7, 3, 2), -11);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
}
