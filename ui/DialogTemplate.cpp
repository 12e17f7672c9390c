#include "ui/DialogTemplate.h"

namespace {

// A bounds-checked little-endian reader over the template's bytes.
class CTemplateReader {
public:
    CTemplateReader(const void* data, std::size_t size) : m_data(static_cast<const BYTE*>(data)), m_size(size) {}

    bool Seek(std::size_t offset)
    {
        m_offset = offset;
        return m_ok = m_ok && offset <= m_size;
    }
    std::size_t Offset() const { return m_offset; }
    bool Ok() const { return m_ok; }

    unsigned Word()
    {
        if (!Has(2))
            return 0;
        const unsigned value = m_data[m_offset] | (m_data[m_offset + 1] << 8);
        m_offset += 2;
        return value;
    }
    DWORD Dword()
    {
        const DWORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    int Short() { return static_cast<std::int16_t>(Word()); }
    unsigned Byte()
    {
        if (!Has(1))
            return 0;
        return m_data[m_offset++];
    }
    void Skip(std::size_t bytes)
    {
        if (Has(bytes))
            m_offset += bytes;
    }
    void AlignToDword() { Skip((4 - m_offset % 4) % 4); }

    // A zero-terminated UTF-16 string.
    WString String()
    {
        WString text;
        for (unsigned c = Word(); m_ok && c != 0; c = Word())
            text.push_back(static_cast<WCHAR>(c));
        return text;
    }
    // An sz_Or_Ord field: 0x0000 none, 0xFFFF and an ordinal, or a string. Tells whether it was set.
    bool StringOrOrdinal()
    {
        const unsigned first = Word();
        if (first == 0x0000)
            return false;
        if (first == 0xFFFF) {
            Word();
            return true;
        }
        for (unsigned c = first; m_ok && c != 0; c = Word()) {
        }
        return true;
    }

private:
    bool Has(std::size_t bytes)
    {
        if (!m_ok || bytes > m_size - m_offset) {
            m_ok = false;
            return false;
        }
        return true;
    }

    const BYTE* m_data;
    std::size_t m_size;
    std::size_t m_offset = 0;
    bool m_ok = true;
};

}  // namespace

bool ReadDialogTemplateHeader(const void* data, std::size_t size, DialogTemplateHeader& header)
{
    if (data == nullptr)
        return false;
    CTemplateReader in(data, size);
    DialogTemplateHeader h;
    const DWORD signature = in.Dword();
    h.extended = signature == 0xFFFF0001;
    if (h.extended) {
        in.Dword();  // help id
        h.exStyle = in.Dword();
        h.style = in.Dword();
    } else {
        h.style = signature;
        h.exStyle = in.Dword();
    }
    h.itemCount = static_cast<int>(in.Word());
    in.Short();  // x
    in.Short();  // y
    h.cx = in.Short();
    h.cy = in.Short();
    h.hasMenu = in.StringOrOrdinal();
    in.StringOrOrdinal();  // class
    in.String();           // title
    h.hasFont = (h.style & kTemplateSetFont) != 0;
    if (h.hasFont) {
        h.pointSize = static_cast<int>(in.Word());
        if (h.extended) {
            h.weight = static_cast<int>(in.Word());
            h.italic = static_cast<int>(in.Byte());
            in.Byte();  // character set: not used
        }
        h.faceName = in.String();
    }
    if (h.itemCount > 0)
        in.AlignToDword();
    h.firstItem = in.Offset();
    if (!in.Ok())
        return false;
    header = h;
    return true;
}

bool ReadDialogTemplateItem(const void* data, std::size_t size, bool extended, std::size_t offset,
                            DialogTemplateItem& item)
{
    if (data == nullptr)
        return false;
    CTemplateReader in(data, size);
    in.Seek(offset);
    DialogTemplateItem it;
    if (extended) {
        in.Dword();  // help id
        in.Dword();  // extended style
        in.Dword();  // style
    } else {
        in.Dword();  // style
        in.Dword();  // extended style
    }
    it.x = in.Short();
    it.y = in.Short();
    it.cx = in.Short();
    it.cy = in.Short();
    it.id = extended ? in.Dword() : in.Word();
    in.StringOrOrdinal();  // class
    in.StringOrOrdinal();  // title
    in.Skip(in.Word());    // creation data
    it.next = in.Offset();
    if (!in.Ok())
        return false;
    // The next item starts at a 4-byte boundary; the last one may end the resource without padding.
    it.next += (4 - it.next % 4) % 4;
    item = it;
    return true;
}

bool ReadDialogTemplateItems(const void* data, std::size_t size, const DialogTemplateHeader& header,
                             std::vector<DialogTemplateItem>& items)
{
    items.clear();
    std::size_t offset = header.firstItem;
    for (int i = 0; i < header.itemCount; ++i) {
        DialogTemplateItem item;
        if (!ReadDialogTemplateItem(data, size, header.extended, offset, item))
            return false;
        items.push_back(item);
        offset = item.next;
    }
    return true;
}
