#include "authoring/tablespecsdialog.h"

#include "authoring/frame.h"
#include "authoring/tags.h"
#include "shell/tarnwellfileviewer.h"
#include "util/strings.h"
#include "util/textcodec.h"

namespace authoring {

using util::qs;

TableSpecs::TableSpecs(shell::TarnwellFileViewer& viewer, const platform::TableSpecsView& view)
    : viewer_(viewer), view_(view) {
    auto write = [this] {
        if (!loading_) WritePreview();
    };
    for (platform::TextBox* box : {view_.txtNumRows, view_.txtNumColumns, view_.txtBorderSize,
                                   view_.txtCellPadding, view_.txtCellSpacing})
        box->onChange = write;
    view_.txtTableWidth->onChange = [this] {
        if (!loading_) txtTableWidth_Change();
    };
    for (int i = 0; i < 2; ++i) {
        view_.optTableWidth[i]->onClick = write;
        view_.optFrameColor[i]->onClick = write;
        view_.ck_Background[i]->onClick = write;
    }
    for (int i = 0; i < 4; ++i)
        view_.cmbTableColors[i]->onClick = [this, i] { cmbTableColors_Click(i); };
    view_.cmdBackgroundPic->onClick = [this] { cmdBackgroundPic_Click(); };
    view_.OKButton->onClick = [this] { OKButton_Click(); };
    view_.CancelButton->onClick = [this] { CancelButton_Click(); };
}

QString TableSpecs::previewPath() const {
    return viewer_.DataFolder + shell::separatorString() + qs("Temp.htm");
}

QString TableSpecs::templatePath() const {
    return viewer_.DataFolder + shell::separatorString() + qs("TableSpecs.htm");
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

    auto& files = *viewer_.services().files;
    if (!files.copy(templatePath(), previewPath())) {
        viewer_.ui().dialogs->message(templatePath() + qs(" not found."), platform::Buttons::Ok);
        return;
    }
    view_.WebBrowser1->navigate(previewPath());
    previewShown_ = true;
    if (TableColors[0].isEmpty()) {
        if (const auto bytes = files.read(previewPath())) {
            const auto colors = templateColors(util::decodeText(*bytes).text);
            for (int i = 0; i < 4; ++i)
                TableColors[i] = colors[static_cast<size_t>(i)];
        }
    }
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
    const auto page = tablePreview(table());
    if (!page) return;
    QString error;
    if (!viewer_.services().files->write(previewPath(), page->toUtf8(), &error)) {
        viewer_.ui().dialogs->message(qs("Could not write the table preview ") + previewPath() +
                                          qs(".\r") + error,
                                      platform::Buttons::Ok);
        return;
    }
    // The first preview written after a failed load has not been shown yet.
    if (previewShown_) {
        view_.WebBrowser1->refresh();
    } else {
        view_.WebBrowser1->navigate(previewPath());
        previewShown_ = true;
    }
}

void TableSpecs::txtTableWidth_Change() {
    // A width is typed a digit at a time: "5" on the way to "50" would
    // squeeze the preview for nothing.
    if (leadingNumber(view_.txtTableWidth->text()) > 9) WritePreview();
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
    view_.form->close();
}

} // namespace authoring
