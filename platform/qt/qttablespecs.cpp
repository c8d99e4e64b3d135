#include "platform/qt/qttablespecs.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <QWebEngineView>

namespace platform::qt {

namespace {
QPushButton* button(const char* caption, QWidget* parent) {
    auto* b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setAutoDefault(false);
    return b;
}
} // namespace

QtTableSpecsDialog::QtTableSpecsDialog(QWidget* mainWindow) : form_(new QDialog(mainWindow)) {
    form_->setObjectName(QStringLiteral("TableSpecs"));
    form_->setWindowTitle(QStringLiteral("Table Specs"));
    form_->setModal(true);
    auto* outer = new QHBoxLayout(form_);
    auto* controls = new QVBoxLayout;
    outer->addLayout(controls);

    // Sizing: numbers typed into text boxes.
    auto* sizing = new QGroupBox(QStringLiteral("Sizing"), form_);
    auto* grid = new QGridLayout(sizing);
    auto addBox = [&](std::unique_ptr<QtTextBox>& box, const char* label, const char* name,
                      int row) {
        box = std::make_unique<QtTextBox>(sizing);
        box->edit()->setObjectName(QString::fromLatin1(name));
        box->edit()->setMaximumWidth(60);
        auto* l = new QLabel(QString::fromUtf8(label), sizing);
        l->setBuddy(box->edit());
        grid->addWidget(l, row, 0);
        grid->addWidget(box->edit(), row, 1);
    };
    addBox(rows_, "# Of Rows:", "txtNumRows", 0);
    addBox(columns_, "# Of Cols.:", "txtNumColumns", 1);
    addBox(border_, "Table frame:", "txtBorderSize", 2);
    addBox(spacing_, "Cell Frame:", "txtCellSpacing", 3);
    addBox(padding_, "Cell Margins:", "txtCellPadding", 4);
    addBox(width_, "Table Width:", "txtTableWidth", 5);
    auto* percent = new QRadioButton(QStringLiteral("% of window"), sizing);
    auto* pixels = new QRadioButton(QStringLiteral(" # of pixels"), sizing);
    auto* widthUnit = new QButtonGroup(sizing);
    widthUnit->addButton(percent);
    widthUnit->addButton(pixels);
    grid->addWidget(percent, 6, 0, 1, 2);
    grid->addWidget(pixels, 7, 0, 1, 2);
    percent_ = std::make_unique<QtOptionButton>(percent);
    pixels_ = std::make_unique<QtOptionButton>(pixels);
    controls->addWidget(sizing);

    // Colors: background colour or picture, and the frame colours.
    auto* colorsBox = new QGroupBox(QStringLiteral("Colors"), form_);
    auto* cg = new QGridLayout(colorsBox);
    cg->addWidget(new QLabel(QStringLiteral("Background"), colorsBox), 0, 0, 1, 2);
    auto* useColor = new QCheckBox(colorsBox);
    auto* colorButton = button("&Color", colorsBox);
    cg->addWidget(useColor, 1, 0);
    cg->addWidget(colorButton, 1, 1);
    auto* usePicture = new QCheckBox(colorsBox);
    auto* pictureButton = button("&Picture", colorsBox);
    cg->addWidget(usePicture, 2, 0);
    cg->addWidget(pictureButton, 2, 1);
    useColor_ = std::make_unique<QtCheckBox>(useColor);
    usePicture_ = std::make_unique<QtCheckBox>(usePicture);
    picture_ = std::make_unique<QtButton>(pictureButton);

    cg->addWidget(new QLabel(QStringLiteral("Frame Color:"), colorsBox), 3, 0, 1, 2);
    auto* solid = new QRadioButton(colorsBox);
    auto* solidButton = button("Solid", colorsBox);
    cg->addWidget(solid, 4, 0);
    cg->addWidget(solidButton, 4, 1);
    cg->addWidget(new QLabel(QStringLiteral("OR"), colorsBox), 5, 1, Qt::AlignHCenter);
    auto* lightDark = new QRadioButton(colorsBox);
    auto* highlightButton = button("&Highlight", colorsBox);
    auto* shadowButton = button("&Shadow", colorsBox);
    cg->addWidget(lightDark, 6, 0, 2, 1);
    cg->addWidget(highlightButton, 6, 1);
    cg->addWidget(shadowButton, 7, 1);
    auto* frameColor = new QButtonGroup(colorsBox);
    frameColor->addButton(solid);
    frameColor->addButton(lightDark);
    solid_ = std::make_unique<QtOptionButton>(solid);
    lightDark_ = std::make_unique<QtOptionButton>(lightDark);
    colors_[0] = std::make_unique<QtButton>(colorButton);
    colors_[1] = std::make_unique<QtButton>(solidButton);
    colors_[2] = std::make_unique<QtButton>(highlightButton);
    colors_[3] = std::make_unique<QtButton>(shadowButton);
    controls->addWidget(colorsBox);

    auto* note = new QLabel(
        QStringLiteral("Cell properties can be set with other HTML menu options"), form_);
    note->setWordWrap(true);
    note->setMaximumWidth(220);
    controls->addWidget(note);
    auto* buttons = new QHBoxLayout;
    auto* okButton = new QPushButton(QStringLiteral("OK"), form_);
    okButton->setDefault(true);
    auto* cancelButton = button("Cancel", form_);
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    controls->addLayout(buttons);
    controls->addStretch();
    ok_ = std::make_unique<QtButton>(okButton);
    cancel_ = std::make_unique<QtButton>(cancelButton);
    // Esc and the close box cancel, as the Cancel button does.
    QObject::connect(form_, &QDialog::rejected, form_, [this] {
        if (cancel_->onClick) cancel_->onClick();
    });

    preview_ = std::make_unique<QtBrowserPane>(form_, QString());
    preview_->view()->setObjectName(QStringLiteral("WebBrowser1"));
    preview_->view()->setMinimumSize(420, 360);
    outer->addWidget(preview_->view(), 1);
    form_->resize(760, 480);
}

QtTableSpecsDialog::~QtTableSpecsDialog() = default;

void QtTableSpecsDialog::showModal() {
    form_->exec();
}

void QtTableSpecsDialog::close() {
    // done() rather than reject(): closing is not a Cancel by itself.
    if (form_->isVisible()) form_->done(QDialog::Accepted);
}

bool QtTableSpecsDialog::visible() const {
    return form_->isVisible();
}

TableSpecsView QtTableSpecsDialog::view() {
    TableSpecsView v;
    v.form = this;
    v.txtNumRows = rows_.get();
    v.txtNumColumns = columns_.get();
    v.txtBorderSize = border_.get();
    v.txtCellSpacing = spacing_.get();
    v.txtCellPadding = padding_.get();
    v.txtTableWidth = width_.get();
    v.optTableWidth[0] = percent_.get();
    v.optTableWidth[1] = pixels_.get();
    v.ck_Background[0] = useColor_.get();
    v.ck_Background[1] = usePicture_.get();
    for (int i = 0; i < 4; ++i)
        v.cmbTableColors[i] = colors_[i].get();
    v.optFrameColor[0] = solid_.get();
    v.optFrameColor[1] = lightDark_.get();
    v.cmdBackgroundPic = picture_.get();
    v.OKButton = ok_.get();
    v.CancelButton = cancel_.get();
    v.WebBrowser1 = preview_.get();
    v.tmrPreview = &previewTimer_;
    return v;
}

} // namespace platform::qt
