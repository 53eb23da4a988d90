#pragma once
// What a page's control table sets on a control that draws its own text
// (the skinned controls), beyond place and window text.
#include <string>

class ITableControl {
public:
    // Bits 0-1 horizontal alignment, bit 2 vertical centre, bit 3 bottom.
    virtual void SetTextFlags(int flags) = 0;
    // The name a screen reader reads for a control that shows no text.
    virtual void SetAccessibleName(const std::wstring& name) = 0;

protected:
    ~ITableControl() = default;
};
