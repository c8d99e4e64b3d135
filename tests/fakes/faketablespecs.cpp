#include "tests/fakes/faketablespecs.h"

namespace fakes {

FakeTableSpecs::FakeTableSpecs() {
    percent.other = &pixels;
    pixels.other = &percent;
    solid.other = &lightDark;
    lightDark.other = &solid;
}

platform::TableSpecsView FakeTableSpecs::view() {
    platform::TableSpecsView v;
    v.form = &form;
    v.txtNumRows = &rows;
    v.txtNumColumns = &columns;
    v.txtBorderSize = &border;
    v.txtCellSpacing = &spacing;
    v.txtCellPadding = &padding;
    v.txtTableWidth = &width;
    v.optTableWidth[0] = &percent;
    v.optTableWidth[1] = &pixels;
    v.ck_Background[0] = &backgroundColor;
    v.ck_Background[1] = &backgroundPicture;
    for (int i = 0; i < 4; ++i)
        v.cmbTableColors[i] = &colors[i];
    v.optFrameColor[0] = &solid;
    v.optFrameColor[1] = &lightDark;
    v.cmdBackgroundPic = &picture;
    v.OKButton = &ok;
    v.CancelButton = &cancel;
    v.WebBrowser1 = &preview;
    v.tmrPreview = &previewTimer;
    return v;
}

} // namespace fakes
