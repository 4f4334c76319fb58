#include "utils/KestUtils.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {

struct TButtonMap {
    int button;
    QMessageBox::StandardButton qt;
    int result;
};
const TButtonMap Buttons[] = {
    {mbYes, QMessageBox::Yes, mrYes},          {mbNo, QMessageBox::No, mrNo},
    {mbOK, QMessageBox::Ok, mrOk},             {mbCancel, QMessageBox::Cancel, mrCancel},
    {mbAbort, QMessageBox::Abort, mrAbort},    {mbRetry, QMessageBox::Retry, mrRetry},
    {mbIgnore, QMessageBox::Ignore, mrIgnore},
};

QMessageBox::Icon IconOf(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
    }
}

// "Text files (*.txt)|*.txt|All files|*.*" as Qt's "Text files (*.txt);;All files (*.*)".
QString QtFilter(const QString& filter)
{
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString masks = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        out << (parts[i].contains(QLatin1Char('(')) ? parts[i] : parts[i] + QLatin1String(" (") + masks + QLatin1Char(')'));
    }
    if (parts.size() % 2 == 1 && !parts.last().isEmpty())
        out << parts.last();
    return out.join(QLatin1String(";;"));
}

bool RunFileDialog(QFileDialog& dialog, QString& fileName, const TKestUtils::TDialogCallBack& callBack)
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (!fileName.isEmpty())
        dialog.selectFile(fileName);
    if (callBack)
        callBack(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    fileName = dialog.selectedFiles().constFirst();
    return true;
}

}

int TKestUtils::Message(const QString& message, TMsgDlgType dialogType, TMsgDlgButtons buttons, int helpContext)
{
    Q_UNUSED(helpContext);
    QMessageBox box(IconOf(dialogType), QCoreApplication::applicationName(), message);
    for (const TButtonMap& b : Buttons)
        if (buttons & b.button)
            box.addButton(b.qt);
    if (box.buttons().isEmpty())
        box.addButton(QMessageBox::Ok);
    box.exec();
    auto pressed = box.standardButton(box.clickedButton());
    for (const TButtonMap& b : Buttons)
        if (b.qt == pressed)
            return b.result;
    return mrCancel;
}

bool TKestUtils::SelectFile(QString& fileName, const QString& defaultFolder, const QString& filter,
                            const TDialogCallBack& callBack)
{
    QFileDialog dialog(nullptr, QString(), defaultFolder, QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog, fileName, callBack);
}

bool TKestUtils::SaveFile(QString& fileName, const QString& filter, const TDialogCallBack& callBack)
{
    QFileDialog dialog(nullptr, QString(), QString(), QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    return RunFileDialog(dialog, fileName, callBack);
}
