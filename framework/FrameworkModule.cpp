#include "framework/FrameworkModule.h"

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Events.h"
#include "framework/Form.h"
#include "framework/Frame.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/Strings.h"
#include "framework/TypeInfo.h"

#include <QPointer>

namespace KestFramework {

namespace {

void RegisterClasses()
{
    TypeInfo::RegisterObjectClass<TFont>();
    TypeInfo::RegisterObjectClass<TStrings>();
    TypeInfo::RegisterClass<TButton>();
    TypeInfo::RegisterClass<TForm>();
    TypeInfo::RegisterClass<TImageList>();
    TypeInfo::RegisterClass<TComboBox>();
    TypeInfo::RegisterClass<TFrame>();
    TypeInfo::RegisterClass<TPopupMenu>();
    TypeInfo::RegisterClass<TMenuItem>();
}

void RegisterEventTypes()
{
    // A handler method takes the event's arguments, references as pointers:
    // void FormKeyDown(QObject* Sender, int* Key, TShiftState Shift),
    // void BarDragOver(QObject* Sender, QObject* Source, int X, int Y,
    //                  TDragState State, bool* Accept),
    // void BarStartDrag(QObject* Sender, QObject** DragObject).
    auto bind = [](QMetaType type, std::vector<QMetaType> parameters, auto make) {
        TypeInfo::RegisterEventType(type, std::move(parameters), [make](QObject* target, const QMetaMethod& m) {
            return QVariant::fromValue(make(QPointer<QObject>(target), m));
        });
    };
    bind(QMetaType::fromType<TNotifyEvent>(), {QMetaType::fromType<QObject*>()}, [](QPointer<QObject> t, QMetaMethod m) {
        return TNotifyEvent([t, m](QObject* sender) {
            if (t)
                m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender));
        });
    });
    bind(QMetaType::fromType<TKeyEvent>(),
         {QMetaType::fromType<QObject*>(), QMetaType::fromType<int*>(), QMetaType::fromType<TShiftState>()},
         [](QPointer<QObject> t, QMetaMethod m) {
             return TKeyEvent([t, m](QObject* sender, int& key, TShiftState shift) {
                 if (t)
                     m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(int*, &key),
                              Q_ARG(TShiftState, shift));
             });
         });
    bind(QMetaType::fromType<TKeyPressEvent>(), {QMetaType::fromType<QObject*>(), QMetaType::fromType<QChar*>()},
         [](QPointer<QObject> t, QMetaMethod m) {
             return TKeyPressEvent([t, m](QObject* sender, QChar& key) {
                 if (t)
                     m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(QChar*, &key));
             });
         });
    bind(QMetaType::fromType<TMouseEvent>(),
         {QMetaType::fromType<QObject*>(), QMetaType::fromType<TMouseButton>(), QMetaType::fromType<TShiftState>(),
          QMetaType::fromType<int>(), QMetaType::fromType<int>()},
         [](QPointer<QObject> t, QMetaMethod m) {
             return TMouseEvent([t, m](QObject* sender, TMouseButton button, TShiftState shift, int x, int y) {
                 if (t)
                     m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(TMouseButton, button),
                              Q_ARG(TShiftState, shift), Q_ARG(int, x), Q_ARG(int, y));
             });
         });
    bind(QMetaType::fromType<TMouseMoveEvent>(),
         {QMetaType::fromType<QObject*>(), QMetaType::fromType<TShiftState>(), QMetaType::fromType<int>(),
          QMetaType::fromType<int>()},
         [](QPointer<QObject> t, QMetaMethod m) {
             return TMouseMoveEvent([t, m](QObject* sender, TShiftState shift, int x, int y) {
                 if (t)
                     m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(TShiftState, shift),
                              Q_ARG(int, x), Q_ARG(int, y));
             });
         });
    bind(QMetaType::fromType<TDragOverEvent>(),
         {QMetaType::fromType<QObject*>(), QMetaType::fromType<QObject*>(), QMetaType::fromType<int>(),
          QMetaType::fromType<int>(), QMetaType::fromType<TDragState>(), QMetaType::fromType<bool*>()},
         [](QPointer<QObject> t, QMetaMethod m) {
             return TDragOverEvent(
                 [t, m](QObject* sender, QObject* source, int x, int y, TDragState state, bool& accept) {
                     if (t)
                         m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(QObject*, source),
                                  Q_ARG(int, x), Q_ARG(int, y), Q_ARG(TDragState, state), Q_ARG(bool*, &accept));
                 });
         });
    bind(QMetaType::fromType<TDragDropEvent>(),
         {QMetaType::fromType<QObject*>(), QMetaType::fromType<QObject*>(), QMetaType::fromType<int>(),
          QMetaType::fromType<int>()},
         [](QPointer<QObject> t, QMetaMethod m) {
             return TDragDropEvent([t, m](QObject* sender, QObject* source, int x, int y) {
                 if (t)
                     m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender), Q_ARG(QObject*, source),
                              Q_ARG(int, x), Q_ARG(int, y));
             });
         });
    bind(QMetaType::fromType<TStartDragEvent>(), {QMetaType::fromType<QObject*>(), QMetaType::fromType<QObject**>()},
         [](QPointer<QObject> t, QMetaMethod m) {
             return TStartDragEvent([t, m](QObject* sender, QObject*& dragObject) {
                 if (t)
                     m.invoke(t.data(), Qt::DirectConnection, Q_ARG(QObject*, sender),
                              Q_ARG(QObject**, &dragObject));
             });
         });
}

}

void RegisterModule()
{
    static const bool registered = [] {
        RegisterClasses();
        RegisterEventTypes();
        return true;
    }();
    Q_UNUSED(registered);
}

}
