#include "pathbar/CustomExplorerTreeview.h"

#include "pathbar/CustomExplorerTreeview_p.h"

#include "framework/Filer.h"
#include "framework/Form.h"
#include "framework/ImageList.h"
#include "framework/Messages.h"
#include "framework/platform/PathSeparator.h"
#include "pathbar/AppearancePresets.h"
#include "pathbar/DropDownButton.h"
#include "pathbar/DropForm.h"
#include "pathbar/ExplorerTreeviewListBox.h"
#include "pathbar/LeftIcon.h"
#include "pathbar/NodePath_p.h"
#include "pathbar/NodeButton.h"
#include "styles/FormStylerStyle.h"
#include "styles/SystemVersion.h"

TCustomExplorerTreeview::TCustomExplorerTreeview(TComponent* owner) : TCustomEdit(owner)
{
    setFrame(false);
    setAttribute(Qt::WA_Hover);
    // Tab reaches the bar; a click focuses it only on the bar itself, not on
    // its child buttons (mousePressEvent).
    setFocusPolicy(Qt::TabFocus);
    FPrivate = std::make_unique<TCustomExplorerTreeviewPrivate>(*this);
    FPrivate->FTreeNodes.reset(CreateNodes());
    QLineEdit::setText(QString());
    SetEditorEnabled(false);
    setReadOnly(true);
    FPrivate->FText = QLineEdit::text();

    FPrivate->FAppearance = std::make_unique<TExpTreeviewAppearance>();
    FPrivate->FAppearance->OnChange = [this](QObject*) { AppearanceChanged(); };

    FPrivate->FRefreshGlyph = std::make_unique<TBitmap>();
    FPrivate->FRefreshGlyph->LoadFromResourceName(QStringLiteral("REFRESH_BTN"));
    FPrivate->FRefreshGlyph->OnChange = [this](QObject*) {
        if (FPrivate->FRefreshBtn)
            FPrivate->FRefreshBtn->SetGlyph(FPrivate->FRefreshGlyph.get());
    };

    FPrivate->FRefreshImageIndex = -1;
    SetRefreshButton(true);

    FPrivate->FDropDownButton = new TDropDownButton(this);
    FPrivate->FDropDownButton->OnMouseDown = [this](QObject*) { DropDownButtonMouseDown(); };
    FPrivate->FDropDownButton->SetVisible(true);
    UpdateLayout();

    FPrivate->FLeftIcon = new TLeftIcon(this);
    FPrivate->FLeftIcon->OnClick = [this](QObject*) { SetEditMode(false); };
    FPrivate->FLeftIcon->SetVisible(true);
    SetShowImage(true);

    SetBounds(Left(), Top(), 300, 25);
    // A bar dropped on a form in the designer takes the form's style; it is
    // still stored as a custom one.
    if (owner && owner->IsDesigning() && !owner->IsReading() && !owner->IsLoading())
        SetComponentStyle(GetFormStylerStyle(owner, tsOffice2019White));
    FPrivate->FZPXStyle = tsCustom;
}

TCustomExplorerTreeview::~TCustomExplorerTreeview()
{
    Destroying();
    FPrivate->FButtonRow.DeleteSpareButtons();
    // Open drop-down windows go now, before the bar they report to.
    FPrivate->FDropDowns.DeleteWindows();
    ClearNodeButtons();
    FPrivate->FTreeNodes->Clear();
    FPrivate->FSelectedNode = nullptr;
    delete FPrivate->FRefreshBtn;
    FPrivate->FRefreshBtn = nullptr;
    delete FPrivate->FDropDownButton;
    FPrivate->FDropDownButton = nullptr;
    FPrivate->FAppearance.reset();
    delete FPrivate->FLeftIcon;
    FPrivate->FLeftIcon = nullptr;
    FPrivate->FRefreshGlyph.reset();
    FPrivate->FDropDowns.ClearLists();
    FPrivate->FTreeNodes.reset();
}

quint32 TCustomExplorerTreeview::GetVersionNr() const { return 0x01050101; }

TKestTreeNode* TCustomExplorerTreeview::CreateNode() { return new TKestTreeNode(FPrivate->FTreeNodes.get()); }

TKestTreeNodes* TCustomExplorerTreeview::CreateNodes() { return new TKestTreeNodes(this); }

TCustomForm* TCustomExplorerTreeview::GetOwnerForm(QWidget* control) const
{
    return TCustomForm::GetParentForm(control);
}

QString TCustomExplorerTreeview::Version() const
{
    quint32 nr = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(nr >> 24).arg((nr >> 16) & 0xFF).arg((nr >> 8) & 0xFF).arg(nr & 0xFF);
}

void TCustomExplorerTreeview::DefineProperties(TFiler* filer)
{
    TCustomEdit::DefineProperties(filer);
    // A style marker kept for stored layouts: always written as 0, ignored
    // when read (the colours themselves are stored).
    filer->DefineProperty(
        QStringLiteral("ZPXStyle"), [](TReader& reader) { reader.ReadInteger(); },
        [](TWriter& writer) { writer.WriteInteger(0); }, true);
}

void TCustomExplorerTreeview::Loaded()
{
    TCustomEdit::Loaded();
    if (!IsDesigning() && !hasFocus() && FPrivate->FAppearance->FocusColor() != clNone)
        ApplyColor(FPrivate->FAppearance->Color());
    if (!IsDesigning()) {
        if (FPrivate->FMode == aeSystem)
            LoadDirectoryStructure(bnDesktop, QString(), true);
        else if (FPrivate->FMode == aeFolder && !FPrivate->FFolderPath.isEmpty())
            LoadDirectoryStructure(bnFolder, FPrivate->FFolderPath, true);
    }
    if (FPrivate->FAutoComplete && !IsDesigning())
        PopulateAutoCompleteList();
    if (!FPrivate->FSelectedNode && Text().isEmpty())
        SetSelectedNode(FPrivate->FTreeNodes->GetFirstNode());
    if (FPrivate->FAutoDropDownFill && !IsDesigning()) {
        SetAutoDropDownFill(false);
        SetAutoDropDownFill(true);
    }
}

void TCustomExplorerTreeview::Notification(TComponent* component, TOperation operation)
{
    TCustomEdit::Notification(component, operation);
    if (operation == TOperation::opRemove && FPrivate->FImages && component == static_cast<TComponent*>(FPrivate->FImages)) {
        FPrivate->FImages = nullptr;
        SetRefreshImageIndex(-1);
    }
}

// --- Paths ------------------------------------------------------------------

QString TCustomExplorerTreeview::BuildNodePath(TKestTreeNode* node, bool useFolderPrefix) const
{
    if (!node)
        return QString();
    if (node->VirtualParent())
        return node->Text();
    return NodePath::FromChain(node, NodePath::Chain(node), useFolderPrefix ? FolderPrefix() : QString());
}

QString TCustomExplorerTreeview::FolderPrefix() const
{
    if (FPrivate->FMode != aeFolder || FPrivate->FFolderPath.isEmpty())
        return QString();
    return FPrivate->FFolderPath.endsWith(kPathSeparator) ? FPrivate->FFolderPath : FPrivate->FFolderPath + kPathSeparator;
}

QString TCustomExplorerTreeview::ShownPath(TKestTreeNode* node) const
{
    if (FPrivate->FMode == aeFolder && node && node == FPrivate->FTreeNodes->GetFirstNode())
        return QString();
    return BuildNodePath(node, false);
}

// --- Selection --------------------------------------------------------------

void TCustomExplorerTreeview::SetSelectedNode(TKestTreeNode* value)
{
    if (value == FPrivate->FSelectedNode)
        return;
    ClearNodeButtons();
    FPrivate->FSelectedNode = value;
    SetInternalText(ShownPath(value));
    const bool folderMode = FPrivate->IsFolderMode();
    if (value && !value->HasChildren() && folderMode) {
        QPointer<TCustomExplorerTreeview> self(this);
        quint64 generation = FPrivate->FFolders.Generation();
        AddSubFolders(FPrivate->FFolders.FolderOfNode(value), value);
        // Input handled during the listing may have replaced the selection,
        // freed the node or the bar.
        if (!self || FPrivate->FSelectedNode != value || generation != FPrivate->FFolders.Generation())
            return;
    }
    if (!IsUpdating()) {
        if (FPrivate->IsEditorFocused() && FPrivate->FEditMode)
            UpdateLeftIcon();
        else
            BuildNodeButtons();
    }
    if (value && FPrivate->FAutoDropDownFill && folderMode)
        FPrivate->FDropDowns.AddWithChildrenToHistory(value);
    if (value && OnSelect && !IsUpdating() && !FPrivate->FIsInternal)
        OnSelect(this, value);
}

void TCustomExplorerTreeview::Reselect()
{
    TKestTreeNode* node = FPrivate->FSelectedNode;
    SetSelectedNode(nullptr);
    SetSelectedNode(node);
}

void TCustomExplorerTreeview::SetInternalText(const QString& value)
{
    FPrivate->FText = value;
    // While node buttons are shown the edit stays empty: the text would show
    // beneath them. Clearing the buttons brings FPrivate->FText back.
    if (FPrivate->FButtonRow.IsEmpty())
        TCustomEdit::SetText(value);
}

void TCustomExplorerTreeview::BeginUpdate()
{
    // The control's own Visible property, not whether its window is shown.
    if (Visible())
        ++FPrivate->FUpdateCount;
}

void TCustomExplorerTreeview::EndUpdate()
{
    if (!Visible() || FPrivate->FUpdateCount <= 0)
        return;
    if (--FPrivate->FUpdateCount == 0) {
        Reselect();
        update();
    }
}

void TCustomExplorerTreeview::Clear()
{
    QLineEdit::clear();
    FPrivate->FTreeNodes->Clear();
}

void TCustomExplorerTreeview::SetItems(TKestTreeNodes* value)
{
    if (value)
        FPrivate->FTreeNodes->Assign(value);
}

QString TCustomExplorerTreeview::Text() const { return FPrivate->FEditMode ? QLineEdit::text() : FPrivate->FText; }

void TCustomExplorerTreeview::SetText(const QString& value)
{
    if (!FPrivate->FEditorEnabled || FPrivate->FEditStyle != esEdit || IsDesigning())
        return;
    if (!FPrivate->FSelectedNode) {
        SetInternalText(value);
        return;
    }
    if (value.toUpper() == ShownPath(FPrivate->FSelectedNode).toUpper())
        return;
    SetInternalText(value);
    ClearNodeButtons();
    FPrivate->FSelectedNode = nullptr;
}

// --- Properties -------------------------------------------------------------

void TCustomExplorerTreeview::SetAppearance(TExpTreeviewAppearance* value) { FPrivate->FAppearance->Assign(value); }

void TCustomExplorerTreeview::SetAutoComplete(bool value)
{
    if (value == FPrivate->FAutoComplete)
        return;
    FPrivate->FAutoComplete = value;
    if (value && !IsDesigning() && !IsLoading())
        PopulateAutoCompleteList();
}

void TCustomExplorerTreeview::SetAutoDropDownFill(bool value)
{
    if (value == FPrivate->FAutoDropDownFill)
        return;
    FPrivate->FAutoDropDownFill = value;
    if (value && FPrivate->FSelectedNode && FPrivate->IsFolderMode() && !IsDesigning() && !IsLoading())
        FPrivate->FDropDowns.AddWithChildrenToHistory(FPrivate->FSelectedNode);
}

bool TCustomExplorerTreeview::DropDownButton() const { return FPrivate->FDropDownButton->Visible(); }

void TCustomExplorerTreeview::SetDropDownButton(bool value)
{
    if (FPrivate->FDropDownButton->Visible() == value)
        return;
    FPrivate->FDropDownButton->SetVisible(value);
    // Fixed steps; the next full layout uses the scaled rectangles.
    if (value) {
        FPrivate->FDropDownButton->SetWidth(15);
        FPrivate->FDropDownButton->SetLeft(FPrivate->FDropDownButton->Left() - 15);
    } else {
        FPrivate->FDropDownButton->SetLeft(FPrivate->FDropDownButton->Left() + FPrivate->FDropDownButton->Width());
        FPrivate->FDropDownButton->SetWidth(0);
    }
}

void TCustomExplorerTreeview::SetEditorEnabled(bool value)
{
    if (value == FPrivate->FEditorEnabled)
        return;
    FPrivate->FEditorEnabled = value;
    setReadOnly(!value);
}

void TCustomExplorerTreeview::SetImages(TCustomImageList* value)
{
    if (value == FPrivate->FImages)
        return;
    if (FPrivate->FImages)
        RemoveFreeNotification(FPrivate->FImages);
    FPrivate->FImages = value;
    if (FPrivate->FImages)
        FreeNotification(FPrivate->FImages);
}

void TCustomExplorerTreeview::SetMaxDropHeight(int value)
{
    if (value > 50)
        FPrivate->FMaxDropHeight = value;
}

void TCustomExplorerTreeview::SetFolderPath(const QString& value)
{
    if (value == FPrivate->FFolderPath)
        return;
    FPrivate->FFolderPath = value;
    if (IsDesigning() || IsLoading())
        return;
    Clear();
    LoadDirectoryStructure(bnFolder, value, true);
}

void TCustomExplorerTreeview::SetRefreshButton(bool value)
{
    if (value == FPrivate->FRefreshButton)
        return;
    FPrivate->FRefreshButton = value;
    if (!value) {
        delete FPrivate->FRefreshBtn;
        FPrivate->FRefreshBtn = nullptr;
    } else if (!FPrivate->FRefreshBtn) {
        CreateRefreshButton();
    }
    UpdateButtonPositions();
    if (!IsDesigning())
        UpdateEditRect();
}

void TCustomExplorerTreeview::CreateRefreshButton()
{
    FPrivate->FRefreshBtn = new TDropDownButton(this);
    FPrivate->FRefreshBtn->OnClick = [this](QObject*) {
        SetEditMode(false);
        if (OnRefreshClick)
            OnRefreshClick(this);
    };
    FPrivate->FRefreshBtn->SetVisible(true);
    FPrivate->FRefreshBtn->SetGlyph(FPrivate->FRefreshGlyph.get());
    FPrivate->FRefreshBtn->SetImageIndex(FPrivate->FRefreshImageIndex);
}

void TCustomExplorerTreeview::SetRefreshGlyph(TBitmap* value) { FPrivate->FRefreshGlyph->Assign(value); }

void TCustomExplorerTreeview::SetRefreshImageIndex(int value)
{
    if (value == FPrivate->FRefreshImageIndex)
        return;
    FPrivate->FRefreshImageIndex = value;
    if (FPrivate->FRefreshBtn)
        FPrivate->FRefreshBtn->SetImageIndex(value);
}

void TCustomExplorerTreeview::SetShowImage(bool value)
{
    if (value == FPrivate->FShowImage)
        return;
    FPrivate->FShowImage = value;
    UpdateEditRect();
    UpdateLeftIconPosition();
    FPrivate->PositionNodeButtons();
}

void TCustomExplorerTreeview::SetComponentStyle(TZPXStyle style)
{
    FPrivate->FZPXStyle = style;
    if (style == tsCustom)
        return;
    // Old common controls draw the frame black; without the module (or its
    // version) the presets keep their blue-grey line.
    const TColor frame = IsCommonControlsV6() ? TColor(0xB99D7F) : clBlack;
    ApplyAppearancePreset(*FPrivate->FAppearance, style, frame);
}

// --- Plain reads and stores ---------------------------------------------------

TKestTreeNodes* TCustomExplorerTreeview::Items() const { return FPrivate->FTreeNodes.get(); }
TKestTreeNode* TCustomExplorerTreeview::SelectedNode() const { return FPrivate->FSelectedNode; }
bool TCustomExplorerTreeview::IsUpdating() const { return FPrivate->FUpdateCount > 0; }
TZPXStyle TCustomExplorerTreeview::GetComponentStyle() const { return FPrivate->FZPXStyle; }
TZPXStyle TCustomExplorerTreeview::UIStyle() const { return FPrivate->FZPXStyle; }
TExpTreeviewAppearance* TCustomExplorerTreeview::Appearance() const { return FPrivate->FAppearance.get(); }
bool TCustomExplorerTreeview::AutoComplete() const { return FPrivate->FAutoComplete; }
bool TCustomExplorerTreeview::AutoDropDownFill() const { return FPrivate->FAutoDropDownFill; }
bool TCustomExplorerTreeview::EditorEnabled() const { return FPrivate->FEditorEnabled; }
TEditStyle TCustomExplorerTreeview::EditStyle() const { return FPrivate->FEditStyle; }
void TCustomExplorerTreeview::SetEditStyle(TEditStyle value) { FPrivate->FEditStyle = value; }
TCustomImageList* TCustomExplorerTreeview::Images() const { return FPrivate->FImages; }
int TCustomExplorerTreeview::MaxDropHeight() const { return FPrivate->FMaxDropHeight; }
TKestExplorerTreeviewMode TCustomExplorerTreeview::Mode() const { return FPrivate->FMode; }
void TCustomExplorerTreeview::SetMode(TKestExplorerTreeviewMode value) { FPrivate->FMode = value; }
QString TCustomExplorerTreeview::FolderPath() const { return FPrivate->FFolderPath; }
bool TCustomExplorerTreeview::RefreshButton() const { return FPrivate->FRefreshButton; }
TBitmap* TCustomExplorerTreeview::RefreshGlyph() const { return FPrivate->FRefreshGlyph.get(); }
int TCustomExplorerTreeview::RefreshImageIndex() const { return FPrivate->FRefreshImageIndex; }
bool TCustomExplorerTreeview::ShowImage() const { return FPrivate->FShowImage; }
bool TCustomExplorerTreeview::ShowHiddenFolders() const { return FPrivate->FShowHiddenFolders; }
void TCustomExplorerTreeview::SetShowHiddenFolders(bool value) { FPrivate->FShowHiddenFolders = value; }
bool TCustomExplorerTreeview::BufferedDraw() const { return FPrivate->FBufferedDraw; }
void TCustomExplorerTreeview::SetBufferedDraw(bool value) { FPrivate->FBufferedDraw = value; }
bool TCustomExplorerTreeview::MouseInControl() const { return FPrivate->FMouseInControl; }
bool TCustomExplorerTreeview::EditMode() const { return FPrivate->FEditMode; }

// --- Handed to the folder source ------------------------------------------------

void TCustomExplorerTreeview::LoadDirectoryStructure(TBaseNode baseNode, const QString& path, bool clearOldNodes)
{
    FPrivate->FFolders.LoadDirectoryStructure(baseNode, path, clearOldNodes);
}

void TCustomExplorerTreeview::AddSubFolders(const QString& path, TKestTreeNode* parentNode)
{
    FPrivate->FFolders.AddSubFolders(path, parentNode);
}

void TCustomExplorerTreeview::RefreshSubFolders(TKestTreeNode* parentNode)
{
    FPrivate->FFolders.RefreshSubFolders(parentNode);
}

void TCustomExplorerTreeview::ChooseNode(TKestTreeNode* node) { FPrivate->FFolders.ChooseNode(node); }

QString TCustomExplorerTreeview::GetSelectedFolder() const
{
    if (FPrivate->IsFolderMode() && FPrivate->FSelectedNode)
        return FPrivate->FFolders.FolderOfNode(FPrivate->FSelectedNode);
    return QString();
}

void TCustomExplorerTreeview::SetSelectedFolder(const QString& path, bool immediately)
{
    FPrivate->FFolders.SetSelectedFolder(path, immediately);
}

// --- Handed to the drop-down controller -----------------------------------------

void TCustomExplorerTreeview::AddToDropDownList(TKestTreeNode* node) { FPrivate->FDropDowns.AddToHistory(node); }

void TCustomExplorerTreeview::RemoveFromDropDownList(TKestTreeNode* node)
{
    FPrivate->FDropDowns.History().Remove(node);
}

void TCustomExplorerTreeview::RemoveFromDropDownList(int index) { FPrivate->FDropDowns.History().RemoveAt(index); }

void TCustomExplorerTreeview::ClearDropDownList() { FPrivate->FDropDowns.History().Clear(); }

TKestTreeNode* TCustomExplorerTreeview::GetDropDownList(int index) const
{
    return FPrivate->FDropDowns.History().At(index);
}

int TCustomExplorerTreeview::DropDownListCount() const { return FPrivate->FDropDowns.History().Count(); }

void TCustomExplorerTreeview::PopulateAutoCompleteList() { FPrivate->FDropDowns.PopulateAutoCompleteList(); }

const TAutoCompleteList& TCustomExplorerTreeview::AutoCompleteList() const
{
    return FPrivate->FDropDowns.AutoCompleteList();
}

bool TCustomExplorerTreeview::IsDroppedDown() const { return FPrivate->FDropDowns.IsDroppedDown(); }

void TCustomExplorerTreeview::ShowDropDown() { FPrivate->FDropDowns.ShowDropDown(); }

void TCustomExplorerTreeview::CloseDropDown() { FPrivate->FDropDowns.CloseDropDown(); }

void TCustomExplorerTreeview::DropDownButtonMouseDown() { FPrivate->FDropDowns.DropDownButtonMouseDown(); }

void TCustomExplorerTreeview::ShowAutoCompleteList() { FPrivate->FDropDowns.ShowAutoCompleteList(); }

void TCustomExplorerTreeview::CloseAutoCompleteList() { FPrivate->FDropDowns.CloseAutoCompleteList(); }

// --- What the node collection tells the bar -------------------------------------

void TCustomExplorerTreeview::NodeAdded(TKestTreeNode* node) { FPrivate->FDropDowns.NodeAdded(node); }

void TCustomExplorerTreeview::NodeDeleted(TKestTreeNode* node)
{
    FPrivate->FFolders.NodeGoing(node);
    FPrivate->FDropDowns.NodeDeleted(node);
}

void TCustomExplorerTreeview::NodeTextChanged(TKestTreeNode* node) { FPrivate->FDropDowns.NodeTextChanged(node); }

void TCustomExplorerTreeview::NodesCleared() { SetSelectedNode(nullptr); }
