#include "CloneProbe.h"

#include "utils/KestUtils.h"

#include "framework/Exception.h"
#include "framework/Font.h"
#include "framework/Form.h"
#include "framework/Stream.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

using U = TKestUtils;

namespace {

TEST(UtilsPlatform, Folders)
{
    for (const QString& folder : {U::GetTempPath(), U::GetAppPath(), U::GetDocumentsPath()}) {
        EXPECT_TRUE(folder.endsWith('/')) << folder.toStdString();
        EXPECT_TRUE(QDir::isAbsolutePath(folder)) << folder.toStdString();
    }
    EXPECT_EQ(U::GetTempPath(), QDir::tempPath() + '/');
    EXPECT_EQ(U::GetAppPath(), QCoreApplication::applicationDirPath() + '/');
}

TEST(UtilsPlatform, ResourceStreams)
{
    std::unique_ptr<TStream> stream = U::GetResourceStream("SAMPLE_DATA", U::GetHInstance());
    EXPECT_EQ(stream->Position(), 0);
    EXPECT_EQ(stream->ReadAll(), QByteArray("raw resource bytes"));
    try {
        U::GetResourceStream("NO_SUCH_RESOURCE");
        ADD_FAILURE();
    } catch (const EResNotFound& e) {
        EXPECT_EQ(e.Message(), QString("Resource NO_SUCH_RESOURCE not found"));
    }
}

// Receives what is handed to the shell.
class TUrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

TEST(UtilsPlatform, ShellOpenHandsOverTheUrl)
{
    TUrlCatcher catcher;
    for (const char* scheme : {"file", "https"})
        QDesktopServices::setUrlHandler(scheme, &catcher, "Open");
    EXPECT_TRUE(U::OpenFile("/tmp/a b.txt"));
    EXPECT_TRUE(U::OpenURL("https://example.org/x?y=1"));
    for (const char* scheme : {"file", "https"})
        QDesktopServices::unsetUrlHandler(scheme);
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile("/tmp/a b.txt"));
    EXPECT_EQ(catcher.urls[1], QUrl("https://example.org/x?y=1"));
}

TEST(UtilsPlatform, LogGoesToTheLoggingCategory)
{
    static QStringList seen;
    seen.clear();
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& text) {
        if (QByteArray(context.category) == "kest.log")
            seen << text;
    });
    U::Log("hello from the log");
    qInstallMessageHandler(previous);
    EXPECT_EQ(seen, QStringList{"hello from the log"});
}

TEST(UtilsPlatform, MessageReturnsThePressedButton)
{
    struct TCase {
        TMsgDlgButtons buttons;
        QMessageBox::StandardButton press;
        int result;
    };
    const TCase cases[] = {
        {mbYes | mbNo, QMessageBox::No, mrNo},
        {mbOK | mbCancel, QMessageBox::Ok, mrOk},
        {mbAbort | mbRetry | mbIgnore, QMessageBox::Retry, mrRetry},
    };
    for (const auto& c : cases) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->text(), QString("Proceed?"));
            EXPECT_EQ(box->icon(), QMessageBox::Question);
            box->button(c.press)->click();
        });
        EXPECT_EQ(U::Message("Proceed?", TMsgDlgType::mtConfirmation, c.buttons), c.result);
    }
}

TEST(UtilsPlatform, FileDialogs)
{
    QTemporaryDir dir;
    QFile(dir.filePath("notes.txt")).open(QIODevice::WriteOnly);
    QString chosen;
    bool ok = U::SelectFile(chosen, dir.path(), "Text files|*.txt|All files|*.*", [&](QFileDialog& d) {
        EXPECT_EQ(d.nameFilters(), (QStringList{"Text files (*.txt)", "All files (*.*)"}));
        QTimer::singleShot(0, &d, [&d, &dir] {
            d.selectFile(dir.filePath("notes.txt"));
            static_cast<QDialog&>(d).accept();
        });
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(chosen, dir.filePath("notes.txt"));

    QString target = "unchanged";
    EXPECT_FALSE(U::SaveFile(target, "All|*.*", [](QFileDialog& d) { QTimer::singleShot(0, &d, &QFileDialog::reject); }));
    EXPECT_EQ(target, QString("unchanged"));
}

TEST(UtilsPlatform, SetFontSizePassesThroughWholePoints)
{
    struct TCase {
        double size;
        int height;
    };
    const TCase cases[] = {{16, -16}, {12, -12}, {13, -13}, {14, -13}, {11, -11}, {15, -15}};
    for (const auto& c : cases) {
        TFont font;
        U::SetFontSize(font, c.size);
        EXPECT_EQ(font.Height(), c.height) << c.size;
    }
}

TEST(UtilsPlatform, DPIScaleOfTheOwningForm)
{
    TFakeScreenDpi dpi;
    dpi.Dpi = 144;
    Platform::TScopedService<Platform::IScreenDpi> scope(dpi);
    TForm form(nullptr);
    TCloneProbe probe(&form);
    EXPECT_DOUBLE_EQ(U::GetDPIScale(&form), 1.5);
    EXPECT_DOUBLE_EQ(U::GetDPIScale(&probe), 1.5);
    EXPECT_DOUBLE_EQ(U::GetDPIScale(&probe, 72), 2.0);
    EXPECT_DOUBLE_EQ(U::GetDPIScale(&probe, 0), 1.5);
    EXPECT_TRUE(U::IsHighDPIScale(&probe));
    form.SetScaled(false);
    EXPECT_DOUBLE_EQ(U::GetDPIScale(&probe), 1.0);
    EXPECT_EQ(U::GetOwnerForm(&probe), &form);
    EXPECT_EQ(U::GetOwnerForm(&form), nullptr);
}

TEST(UtilsPlatform, ScaleForDPIScalesOnceFromTheLastScale)
{
    QWidget parent;
    parent.setGeometry(0, 0, 200, 100);
    auto* child = new QWidget(&parent);
    child->setGeometry(10, 20, 30, 40);
    U::ScaleForDPI(&parent, 144);
    EXPECT_EQ(child->geometry(), QRect(15, 30, 45, 60));
    EXPECT_EQ(parent.size(), QSize(300, 150));
    U::ScaleForDPI(&parent, 144);
    EXPECT_EQ(child->geometry(), QRect(15, 30, 45, 60));
    U::ScaleForDPI(&parent, 96);
    EXPECT_EQ(child->geometry(), QRect(10, 20, 30, 40));
}

TEST(UtilsPlatform, CloneCopiesPublishedProperties)
{
    TForm form(nullptr);
    TCloneProbe probe(&form);
    probe.SetName("Probe1");
    probe.SetCaption("text");
    probe.SetCount(7);
    probe.Font()->SetHeight(-20);
    std::unique_ptr<TComponent> copy(U::Clone(&probe));
    auto* clone = dynamic_cast<TCloneProbe*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->Caption(), QString("text"));
    EXPECT_EQ(clone->Count(), 7);
    EXPECT_EQ(clone->Font()->Height(), -20);
    EXPECT_NE(clone->Font(), probe.Font());
    EXPECT_EQ(clone->Owner(), &form);
    EXPECT_NE(clone->Name(), QString("Probe1"));
}

TEST(UtilsPlatform, FontsAndMouse)
{
    QStringList fonts;
    U::GetFonts(fonts);
    EXPECT_FALSE(fonts.isEmpty());
    EXPECT_EQ(U::GetMousePos(), QCursor::pos());
}

}

#include "PlatformTest.moc"
