#include "authoring/tablespecsdialog.h"

#include "authoring/frame.h"
#include "authoring/tags.h"
#include "shell/viewerhost.h"
#include "util/strings.h"
#include "util/textcodec.h"

namespace authoring {

using util::qs;

TableSpecs::TableSpecs(shell::ViewerHost& viewer, const platform::TableSpecsView& view)
    : viewer_(viewer), view_(view) {
    for (TableField field : {TableField::Rows, TableField::Columns, TableField::Border,
                             TableField::Padding, TableField::Spacing}) {
        fieldBox(field)->onChange = [this, field] {
            if (!loading_ && !holding_) NumberField_Change(field);
        };
    }
    view_.txtTableWidth->onChange = [this] {
        if (!loading_ && !holding_) txtTableWidth_Change();
    };
    auto write = [this] {
        if (!loading_) WritePreview();
    };
    for (int i = 0; i < 2; ++i) {
        view_.optTableWidth[i]->onClick = [this] {
            if (!loading_) optTableWidth_Click();
        };
        view_.optFrameColor[i]->onClick = write;
        view_.ck_Background[i]->onClick = write;
    }
    for (int i = 0; i < 4; ++i)
        view_.cmbTableColors[i]->onClick = [this, i] { cmbTableColors_Click(i); };
    view_.cmdBackgroundPic->onClick = [this] { cmdBackgroundPic_Click(); };
    view_.OKButton->onClick = [this] { OKButton_Click(); };
    view_.CancelButton->onClick = [this] { CancelButton_Click(); };
    if (view_.tmrPreview) view_.tmrPreview->onTimeout = [this] { WritePreview(); };
}

TableSpecs::~TableSpecs() {
    for (TableField field : {TableField::Rows, TableField::Columns, TableField::Border,
                             TableField::Padding, TableField::Spacing})
        fieldBox(field)->onChange = nullptr;
    view_.txtTableWidth->onChange = nullptr;
    for (int i = 0; i < 2; ++i) {
        view_.optTableWidth[i]->onClick = nullptr;
        view_.optFrameColor[i]->onClick = nullptr;
        view_.ck_Background[i]->onClick = nullptr;
    }
    for (int i = 0; i < 4; ++i)
        view_.cmbTableColors[i]->onClick = nullptr;
    view_.cmdBackgroundPic->onClick = nullptr;
    view_.OKButton->onClick = nullptr;
    view_.CancelButton->onClick = nullptr;
    if (view_.tmrPreview) {
        view_.tmrPreview->stop();
        view_.tmrPreview->onTimeout = nullptr;
    }
}

platform::TextBox* TableSpecs::fieldBox(TableField field) const {
    switch (field) {
    case TableField::Rows:
        return view_.txtNumRows;
    case TableField::Columns:
        return view_.txtNumColumns;
    case TableField::Border:
        return view_.txtBorderSize;
    case TableField::Spacing:
        return view_.txtCellSpacing;
    case TableField::Padding:
        return view_.txtCellPadding;
    case TableField::Width:
        return view_.txtTableWidth;
    }
    return view_.txtNumRows;
}

QString TableSpecs::previewPath() const {
    return viewer_.dataFolder() + shell::separatorString() + qs("Temp.htm");
}

QString TableSpecs::templatePath() const {
    return viewer_.dataFolder() + shell::separatorString() + qs("TableSpecs.htm");
}

void TableSpecs::show() {
    Form_Load();
    view_.form->showModal();
}

void TableSpecs::Form_Load() {
    // The controls open with the same starting values every time; only the
    // colours and the picture are kept from one opening to the next.
    loading_ = true;
    view_.txtNumRows->setText(qs("2"));
    view_.txtNumColumns->setText(qs("3"));
    view_.txtBorderSize->setText(qs("1"));
    view_.txtCellSpacing->setText(qs("0"));
    view_.txtCellPadding->setText(qs("0"));
    view_.txtTableWidth->setText(qs("90"));
    view_.optTableWidth[0]->setValue(true);
    view_.ck_Background[0]->setChecked(true);
    view_.ck_Background[1]->setChecked(false);
    view_.optFrameColor[1]->setValue(true);
    loading_ = false;
    previewShown_ = false;
    for (bool& told : limitTold_)
        told = false;
    if (view_.tmrPreview) view_.tmrPreview->stop();

    // The template gives the colours the first time; the preview then shows
    // the table the controls describe, not the template's own.
    const auto templ = viewer_.services().files->read(templatePath());
    if (!templ) {
        viewer_.ui().dialogs->message(templatePath() + qs(" not found."), platform::Buttons::Ok);
    } else if (TableColors[0].isEmpty()) {
        const auto colors = templateColors(util::decodeText(*templ).text);
        for (int i = 0; i < 4; ++i)
            TableColors[i] = colors[static_cast<size_t>(i)];
    }
    WritePreview();
}

TableSpec TableSpecs::table() const {
    TableSpec s;
    s.rows = view_.txtNumRows->text();
    s.columns = view_.txtNumColumns->text();
    s.border = view_.txtBorderSize->text();
    s.padding = view_.txtCellPadding->text();
    s.spacing = view_.txtCellSpacing->text();
    s.width = view_.txtTableWidth->text();
    s.widthInPercent = view_.optTableWidth[0]->value();
    s.useBackgroundColor = view_.ck_Background[0]->checked();
    s.useBackgroundPicture = view_.ck_Background[1]->checked();
    s.solidFrame = view_.optFrameColor[0]->value();
    for (int i = 0; i < 4; ++i)
        s.colors[static_cast<size_t>(i)] = TableColors[i];
    s.picture = BackgroundPicture;
    return s;
}

void TableSpecs::WritePreview() {
    // Whatever change was waiting is written now.
    if (view_.tmrPreview) view_.tmrPreview->stop();
    const auto page = tablePreview(table());
    if (!page) return;
    QString error;
    if (!viewer_.services().files->write(previewPath(), page->toUtf8(), &error)) {
        viewer_.ui().dialogs->message(qs("Could not write the table preview ") + previewPath() +
                                          qs(".\r") + error,
                                      platform::Buttons::Ok);
        return;
    }
    // The first preview of an opening is shown; later ones are refreshed.
    if (previewShown_) {
        view_.WebBrowser1->refresh();
    } else {
        view_.WebBrowser1->navigate(previewPath());
        previewShown_ = true;
    }
}

void TableSpecs::SchedulePreview() {
    if (!view_.tmrPreview) {
        WritePreview();
        return;
    }
    // Not restarted by later changes: a preview follows the first change
    // of a burst of typing within the delay, taking in the ones after it.
    if (!view_.tmrPreview->active()) view_.tmrPreview->start(kPreviewDelayMs);
}

void TableSpecs::holdToMaximum(TableField field) {
    platform::TextBox* box = fieldBox(field);
    const bool percent = view_.optTableWidth[0]->value();
    const int maximum = tableFieldMaximum(field, percent);
    bool& told = limitTold_[static_cast<int>(field)];
    const auto held = heldToMaximum(box->text(), maximum);
    if (!held) {
        if (leadingNumber(box->text()) < maximum) told = false;
        return;
    }
    holding_ = true;
    box->setText(*held);
    holding_ = false;
    if (told) return;
    told = true;
    viewer_.ui().dialogs->message(tableFieldLimitMessage(field, percent), platform::Buttons::Ok);
}

void TableSpecs::NumberField_Change(TableField field) {
    holdToMaximum(field);
    SchedulePreview();
}

void TableSpecs::txtTableWidth_Change() {
    holdToMaximum(TableField::Width);
    // A width is typed a digit at a time: "5" on the way to "50" would
    // squeeze the preview for nothing.
    if (leadingNumber(view_.txtTableWidth->text()) > 9) SchedulePreview();
}

void TableSpecs::optTableWidth_Click() {
    // 800 pixels become too wide once they are meant as a share of the window.
    holdToMaximum(TableField::Width);
    WritePreview();
}

void TableSpecs::cmbTableColors_Click(int index) {
    if (index < 0 || index > 3) return;
    // Flags 3: start from the slot's colour, custom colours shown. A slot
    // that holds no colour code starts from black.
    const auto chosen =
        viewer_.ui().dialogs->chooseColor(colorNumber(TableColors[index]).value_or(0), 3);
    if (!chosen) return;
    TableColors[index] = colorCode(*chosen);
    WritePreview();
}

void TableSpecs::cmdBackgroundPic_Click() {
    const auto choice = viewer_.ui().dialogs->chooseFile(qs("Background picture"), QString(),
                                                         qs("(*.jpg)(.bmp)|*.jpg *.bmp"), true);
    if (!choice || choice->path.isEmpty()) return;
    BackgroundPicture = choice->path;
    WritePreview();
}

void TableSpecs::OKButton_Click() {
    // The last keys typed may still be waiting for the timer.
    if (view_.tmrPreview && view_.tmrPreview->active()) WritePreview();
    const auto bytes = viewer_.services().files->read(previewPath());
    const auto table =
        bytes ? tableFromPreview(crLfLines(util::decodeText(*bytes).text)) : std::nullopt;
    if (!table) {
        viewer_.ui().dialogs->message(qs("The table preview ") + previewPath() +
                                          qs(" holds no table."),
                                      platform::Buttons::Ok);
        return;
    }
    viewer_.ui().Text1[1]->setSelText(*table);
    view_.form->close();
}

void TableSpecs::CancelButton_Click() {
    if (view_.tmrPreview) view_.tmrPreview->stop();
    view_.form->close();
}

} // namespace authoring
