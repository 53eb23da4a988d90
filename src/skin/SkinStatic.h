#pragma once
// An owner-drawn label: the Normal (or, disabled, the Disable) slice of its
// skin parent and its text. Hovering does not change its face.
#include "framework/Static.h"
#include "skin/SkinControl.h"

class CSkinStatic : public CSkinControl<CStatic> {
protected:
    void OnSkinInit() override;
    void DrawItem(const DRAWITEMSTRUCT& item) override;
};
