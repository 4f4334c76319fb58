// Any text read into real forms (the parser, the reader with its property
// conversion, event binding and references, then Loaded on every component)
// either builds the form or raises an exception with a message. A form that
// was built writes a layout that reads into a new form writing the same text.
// Seeded with the stored layouts (resources/layouts).

#include "FuzzApplication.h"
#include "app/Form1.h"
#include "app/Form2.h"
#include "framework/Exception.h"
#include "framework/LayoutReader.h"
#include "framework/LayoutText.h"
#include "framework/LayoutWriter.h"

#include <cstddef>
#include <cstdint>

namespace {

// A handler bound to the form's destruction may open a modal window (the
// sample's button handler does), which would wait for a user for ever: the
// fuzzer unbinds it first.
struct FormDeleter {
    void operator()(TForm* form) const
    {
        form->OnDestroy = nullptr;
        delete form;
    }
};
using FormPtr = std::unique_ptr<TForm, FormDeleter>;

// A new form of the layout's own class when it names one of the sample's,
// otherwise a plain form (which the reader then refuses by class).
FormPtr NewForm(const QString& className)
{
    if (className.compare(QLatin1String("TForm1"), Qt::CaseInsensitive) == 0)
        return FormPtr(new TForm1(nullptr));
    if (className.compare(QLatin1String("TForm2"), Qt::CaseInsensitive) == 0)
        return FormPtr(new TForm2(nullptr));
    return FormPtr(new TForm(nullptr));
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Fuzz::EnsureApplication();
    QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    FormPtr form;
    try {
        TLayoutObject layout = LayoutText::Parse(text, QStringLiteral("fuzz"));
        form = NewForm(layout.className);
        TLayoutReader::ReadRoot(layout, form.get(), QStringLiteral("fuzz"));
    } catch (const Exception&) {
        return 0;
    }
    // Outside the try: a written layout the reader refuses escapes as an
    // uncaught exception, which the fuzzer reports.
    const QString written = TLayoutWriter::WriteRootText(form.get());
    auto again = NewForm(form->ClassName());
    TLayoutReader::ReadRoot(written, again.get(), QStringLiteral("written"));
    if (TLayoutWriter::WriteRootText(again.get()) != written)
        Fuzz::Broken("the written layout reads back to another form");
    return 0;
}
