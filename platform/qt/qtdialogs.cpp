#include "platform/qt/qtdialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace platform::qt {

QString displayText(const QString& text) {
    QString out = text;
    out.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

Answer QtDialogs::message(const QString& text, Buttons buttons, const QString& title) {
    QMessageBox box(parent_);
    box.setWindowTitle(title.isEmpty() ? title_ : title);
    box.setText(displayText(text));
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        // Closing a box that has no Cancel button counts as its default.
        if (buttons == Buttons::Ok) return Answer::Ok;
        if (buttons == Buttons::YesNo) return Answer::No;
        return Answer::Cancel;
    }
}

std::optional<QString> QtDialogs::input(const QString& prompt, const QString& title,
                                        const QString& defaultAnswer) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent_, title.isEmpty() ? title_ : title, displayText(prompt),
                              QLineEdit::Normal, defaultAnswer, &ok);
    if (!ok) return std::nullopt;
    return answer;
}

namespace {
QString startFolder(const QString& initialName) {
    QString folder = initialName;
    if (folder.endsWith(QLatin1String("*.*"))) folder.chop(3);
    return folder;
}
} // namespace

std::optional<FileChoice> QtDialogs::openFile(const QString& title, const QString& initialName) {
    const QString path = QFileDialog::getOpenFileName(parent_, title, startFolder(initialName),
                                                      QStringLiteral("All files (*)"));
    if (path.isEmpty()) return std::nullopt;
    return FileChoice{path, QFileInfo(path).fileName()};
}

std::optional<FileChoice> QtDialogs::saveFile(const QString& title, const QString& initialName) {
    // The program asks about overwriting itself.
    const QString path = QFileDialog::getSaveFileName(parent_, title, startFolder(initialName),
                                                      QStringLiteral("All files (*)"), nullptr,
                                                      QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return std::nullopt;
    return FileChoice{path, QFileInfo(path).fileName()};
}

std::optional<FileChoice> QtDialogs::chooseFile(const QString& title, const QString& initialName,
                                                const QString& filter, bool mustExist) {
    QFileDialog dialog(parent_, title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // "folder/*.*" opens that folder showing all files; "folder/name"
    // opens the folder with the name filled in.
    if (initialName.endsWith(QLatin1String("*.*"))) {
        const QString folder = startFolder(initialName);
        if (!folder.isEmpty()) dialog.setDirectory(folder);
    } else if (!initialName.isEmpty()) {
        const QFileInfo info(initialName);
        if (info.isDir()) {
            dialog.setDirectory(initialName);
        } else {
            dialog.setDirectory(info.absolutePath());
            dialog.selectFile(info.fileName());
        }
    }
    QStringList filters;
    if (!filter.isEmpty()) {
        const qsizetype bar = filter.indexOf(QLatin1Char('|'));
        const QString description = bar < 0 ? filter : filter.left(bar);
        const QString patterns = bar < 0 ? filter : filter.mid(bar + 1);
        filters << description + QLatin1String(" (") + patterns + QLatin1Char(')');
    }
    filters << QStringLiteral("All files (*)");
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString path = dialog.selectedFiles().constFirst();
    if (path.isEmpty()) return std::nullopt;
    return FileChoice{path, QFileInfo(path).fileName()};
}

std::optional<int> QtDialogs::chooseColor(int initial, int) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor c = QColorDialog::getColor(start, parent_);
    if (!c.isValid()) return std::nullopt;
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

std::optional<FontChoice> QtDialogs::chooseFont(int) {
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, parent_);
    if (!ok) return std::nullopt;
    FontChoice choice;
    choice.name = f.family();
    choice.points = f.pointSizeF();
    choice.bold = f.bold();
    choice.italic = f.italic();
    choice.underline = f.underline();
    choice.strikethrough = f.strikeOut();
    return choice;
}

} // namespace platform::qt
