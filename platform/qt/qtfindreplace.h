#pragma once

#include "platform/findreplaceview.h"
#include "platform/qt/qtcontrols.h"

#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

namespace platform::qt {

class QtCheckBox : public CheckBox {
  public:
    explicit QtCheckBox(QCheckBox* box);
    bool checked() const override { return box_->isChecked(); }
    void setChecked(bool on) override { box_->setChecked(on); }

  private:
    QCheckBox* box_;
};

class QtOptionButton : public OptionButton {
  public:
    explicit QtOptionButton(QRadioButton* button);
    bool value() const override { return button_->isChecked(); }
    void setValue(bool on) override { button_->setChecked(on); }

  private:
    QRadioButton* button_;
};

class QtButton : public Button {
  public:
    explicit QtButton(QPushButton* button);
    bool enabled() const override { return button_->isEnabled(); }
    void setEnabled(bool on) override { button_->setEnabled(on); }

  private:
    QPushButton* button_;
};

class QtFindReplaceDialog;
class FindReplaceForm : public QDialog {
  public:
    FindReplaceForm(QtFindReplaceDialog* owner, QWidget* parent);

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void reject() override;

  private:
    QtFindReplaceDialog* owner_;
};

// The find and replace dialog: modeless, owned by the main window.
class QtFindReplaceDialog : public DialogWindow {
  public:
    explicit QtFindReplaceDialog(QWidget* mainWindow);
    ~QtFindReplaceDialog() override;
    void show(int leftTwips, int topTwips) override;
    bool visible() const override { return form_->isVisible(); }
    void unload() override;
    FindReplaceView view();
    FindReplaceForm* form() const { return form_; }

  private:
    friend class FindReplaceForm;
    FindReplaceForm* form_;
    std::unique_ptr<QtTextBox> find_, replace_;
    std::unique_ptr<QtOptionButton> fromTop_, fromCursor_;
    std::unique_ptr<QtCheckBox> matchCase_, wholeWord_, ignoreHtml_;
    std::unique_ptr<QtButton> findNext_, replaceOne_, replaceAll_, cancel_;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace platform::qt
