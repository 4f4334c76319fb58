#include "app/Program.h"

#include "app/Form1.h"
#include "app/Form2.h"
#include "framework/Application.h"
#include "framework/TypeInfo.h"
#include "graphics/svg/KestGraphicsSVGModule.h"
#include "pathbar/KestExplorerTreeview.h"
#include "pictures/KestTypes.h"
#include "styles/StylesModule.h"

namespace Program {

void RegisterModules()
{
    KestStyles::RegisterModule();
    KestTypes::RegisterModule();
    KestGraphicsSVGModule::RegisterModule();
    TCustomExplorerTreeview::RegisterModule();
    TypeInfo::RegisterClass<TForm1>();
    TypeInfo::RegisterClass<TForm2>();
}

TForm1* CreateMainForm()
{
    Application()->SetMainFormOnTaskBar(true);
    return Application()->CreateForm<TForm1>();
}

}
