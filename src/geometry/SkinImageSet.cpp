#include "geometry/SkinImageSet.h"

#include <iterator>

#include "geometry/DpiScale.h"

int SkinSetDpi(int dpi) {
    for (int set : kSkinSetDpis)
        if (set >= dpi) return set;
    return kSkinSetDpis[std::size(kSkinSetDpis) - 1];
}

std::u16string SkinSetPath(std::u16string_view path, int setDpi) {
    if (setDpi == kBaseDpi) return std::u16string(path);
    const std::size_t name = path.find_last_of(u"\\/") + 1;  // 0 without a folder
    std::u16string_view file = path.substr(name);
    if (const std::size_t dot = file.rfind(u'.'); dot != std::u16string_view::npos) file = file.substr(0, dot);
    const std::string percent = std::to_string(setDpi * 100 / kBaseDpi);
    return std::u16string(path.substr(0, name)) + std::u16string(percent.begin(), percent.end()) + u"\\" +
           std::u16string(file) + u".png";
}

std::vector<CellCopy> ScaleGridCells(int width, int height, int columns, int rows, int setDpi, int dpi) {
    if (columns <= 0 || rows <= 0) return {};
    const int w = width / columns, h = height / rows;
    if (w <= 0 || h <= 0) return {};
    const int dw = ScaleLengthFrom(w, setDpi, dpi), dh = ScaleLengthFrom(h, setDpi, dpi);
    std::vector<CellCopy> cells;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            cells.push_back({{column * w, row * h, w, h}, {column * dw, row * dh, dw, dh}});
    return cells;
}
