#include "framework/Application.h"
#include "framework/Color.h"
#include "framework/Component.h"
#include "framework/Exception.h"
#include "framework/ImageList.h"
#include "framework/List.h"
#include "framework/Messages.h"
#include "framework/Rounding.h"
#include "framework/StringList.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "support/QtPrinters.h"

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    const struct {
        double x;
        int round, trunc;
    } rows[] = {{0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 2}, {-0.5, 0, 0}, {-1.5, -2, -1}, {22.5, 22, 22},
                {15 * 1.5, 22, 22}, {21.0, 21, 21}, {2.6, 3, 2}, {-2.6, -3, -2}};
    for (const auto& r : rows) {
        EXPECT_EQ(Kest::Round(r.x), r.round) << r.x;
        EXPECT_EQ(Kest::Trunc(r.x), r.trunc) << r.x;
    }
    EXPECT_EQ(Kest::Div(-7, 2), -3);
}

namespace {

// A component that records what it hears.
class Probe : public QObject, public TComponent {
public:
    explicit Probe(TComponent* owner, std::vector<QString>* log = nullptr)
        : QObject(nullptr), TComponent(this, owner), FLog(log)
    {
    }
    ~Probe() override
    {
        if (FLog)
            FLog->push_back("destroyed " + Name());
    }

protected:
    void Notification(TComponent* c, TOperation op) override
    {
        TComponent::Notification(c, op);
        if (FLog && op == TOperation::opRemove)
            FLog->push_back(Name() + " heard " + c->Name());
    }

private:
    std::vector<QString>* FLog;
};

}

TEST(Component, OwnerFreesWhatItOwnsAndSiblingsHearOfRemovals)
{
    std::vector<QString> log;
    auto* owner = new Probe(nullptr, &log);
    owner->SetName("owner");
    auto* a = new Probe(owner, &log);
    a->SetName("a");
    auto* b = new Probe(owner, &log);
    b->SetName("b");
    EXPECT_EQ(owner->ComponentCount(), 2);
    EXPECT_EQ(owner->FindComponent("B"), b);

    delete a; // owner and sibling hear of it
    EXPECT_EQ(owner->ComponentCount(), 1);
    EXPECT_NE(std::find(log.begin(), log.end(), "owner heard a"), log.end());
    EXPECT_NE(std::find(log.begin(), log.end(), "b heard a"), log.end());

    log.clear();
    delete owner;
    std::sort(log.begin(), log.end());
    EXPECT_EQ(log, (std::vector<QString>{"destroyed b", "destroyed owner"}));
}

TEST(Component, FreeNotificationReachesAComponentOwnedElsewhere)
{
    std::vector<QString> log;
    Probe watcher(nullptr, &log);
    watcher.SetName("watcher");
    auto* other = new Probe(nullptr);
    other->SetName("other");
    watcher.FreeNotification(other);
    delete other;
    EXPECT_EQ(log, std::vector<QString>{"watcher heard other"});
}

TEST(Component, DestroyingStateReachesOwnedComponents)
{
    Probe owner(nullptr);
    auto* child = new Probe(&owner);
    EXPECT_FALSE(child->IsDestroying());
    owner.Destroying();
    EXPECT_TRUE(child->IsDestroying());
}

TEST(Persistent, AssignErrorNamesBothClasses)
{
    TImageList a(nullptr);
    TImageList b(nullptr);
    try {
        a.Assign(&b);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a TImageList to a TImageList");
    }
    try {
        a.Assign(nullptr);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "Cannot assign a nil to a TImageList");
    }
}

TEST(Lists, PointerListChecksIndexes)
{
    TList list;
    int x = 0, y = 0;
    list.Add(&x);
    list.Add(&y);
    list.Add(&x);
    EXPECT_EQ(list.RemoveLast(&x), 2);
    EXPECT_EQ(list.Remove(&x), 0);
    EXPECT_EQ(list.Count(), 1);
    try {
        list.Get(3);
        FAIL();
    } catch (const EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (3)");
    }
}

TEST(Lists, SortedStringListIgnoresDuplicatesWithoutRegardToCase)
{
    TStringList list;
    list.SetSorted(true);
    int a = 1, b = 2;
    EXPECT_EQ(list.AddObject("beta", &a), 0);
    EXPECT_EQ(list.AddObject("Alpha", &b), 0);
    EXPECT_EQ(list.AddObject("BETA", &b), 1); // ignored: index of the existing entry
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Objects(1), &a);
    EXPECT_EQ(list.IndexOf("ALPHA"), 0);
    EXPECT_EQ(list.IndexOfObject(&a), 1);
    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(list.Add("alpha"), EStringListError);
    list.SetDuplicates(TDuplicates::dupAccept);
    list.Add("alpha");
    EXPECT_EQ(list.Count(), 3);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("ALPHA"), -1);
}

TEST(Colors, SystemColoursResolveAndNamesRoundTrip)
{
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    SetSystemColor(15, 0x123456);
    EXPECT_EQ(ColorToRGB(clBtnFace), 0x123456);
    EXPECT_EQ(ColorToIdent(clBtnFace).value_or(""), "clBtnFace");
    EXPECT_EQ(IdentToColor("clwhite").value_or(0), clWhite);
    EXPECT_FALSE(IdentToColor("clNoSuch").has_value());
    EXPECT_EQ(ColorToQColor(RGB(1, 2, 3)), QColor(1, 2, 3));
}

namespace {

class MessageSink : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::Type(RegisterWindowMessage("TEST_MSG"))) {
            auto* m = static_cast<TMessageEvent*>(e);
            received.push_back(m->WParam);
            return true;
        }
        return QObject::event(e);
    }
    std::vector<qintptr> received;
};

}

TEST(Messages, RegisteredByNameAndPostedLater)
{
    int a = RegisterWindowMessage("TEST_MSG");
    EXPECT_EQ(RegisterWindowMessage("test_msg"), a);
    EXPECT_NE(RegisterWindowMessage("OTHER_MSG"), a);
    MessageSink sink;
    PostMessage(&sink, a, 7);
    EXPECT_TRUE(sink.received.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(sink.received, std::vector<qintptr>{7});
}

TEST(ApplicationObject, ExceptionFromAnEventHandlerIsReportedAndTheLoopGoesOn)
{
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        throw Exception("Invalid Folder Path");
    });
    QString reported;
    Application()->OnException = [&](const std::exception& e) {
        reported = dynamic_cast<const Exception&>(e).Message();
    };
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    Application()->OnException = nullptr;
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(reported, "Invalid Folder Path");
}
