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
#include "pathbar/NodePath.h"
#include "pathbar/NodeButton.h"
#include "styles/FormStylerStyle.h"
#include "styles/SystemVersion.h"

TCustomExplorerTreeview::TCustomExplorerTreeview(TComponent* AOwner) : TCustomEdit(AOwner)
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
    if (AOwner && AOwner->IsDesigning() && !AOwner->IsReading() && !AOwner->IsLoading())
        SetComponentStyle(GetFormStylerStyle(AOwner, tsOffice2019White));
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

TCustomForm* TCustomExplorerTreeview::GetOwnerForm(QWidget* Control) const
{
    return TCustomForm::GetParentForm(Control);
}

QString TCustomExplorerTreeview::Version() const
{
    quint32 nr = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(nr >> 24).arg((nr >> 16) & 0xFF).arg((nr >> 8) & 0xFF).arg(nr & 0xFF);
}

void TCustomExplorerTreeview::DefineProperties(TFiler* Filer)
{
    TCustomEdit::DefineProperties(Filer);
    // A style marker kept for stored layouts: always written as 0, ignored
    // when read (the colours themselves are stored).
    Filer->DefineProperty(
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

void TCustomExplorerTreeview::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && FPrivate->FImages && AComponent == static_cast<TComponent*>(FPrivate->FImages)) {
        FPrivate->FImages = nullptr;
        SetRefreshImageIndex(-1);
    }
}

// --- Paths ------------------------------------------------------------------

QString TCustomExplorerTreeview::BuildNodePath(TKestTreeNode* Node, bool UseFolderPrefix) const
{
    if (!Node)
        return QString();
    if (Node->VirtualParent())
        return Node->Text();
    return NodePath::FromChain(Node, NodePath::Chain(Node), UseFolderPrefix ? FolderPrefix() : QString());
}

QString TCustomExplorerTreeview::FolderPrefix() const
{
    if (FPrivate->FMode != aeFolder || FPrivate->FFolderPath.isEmpty())
        return QString();
    return FPrivate->FFolderPath.endsWith(kPathSeparator) ? FPrivate->FFolderPath : FPrivate->FFolderPath + kPathSeparator;
}

QString TCustomExplorerTreeview::ShownPath(TKestTreeNode* Node) const
{
    if (FPrivate->FMode == aeFolder && Node && Node == FPrivate->FTreeNodes->GetFirstNode())
        return QString();
    return BuildNodePath(Node, false);
}

// --- Selection --------------------------------------------------------------

void TCustomExplorerTreeview::SetSelectedNode(TKestTreeNode* Value)
{
    if (Value == FPrivate->FSelectedNode)
        return;
    ClearNodeButtons();
    FPrivate->FSelectedNode = Value;
    SetInternalText(ShownPath(Value));
    const bool folderMode = FPrivate->IsFolderMode();
    if (Value && !Value->HasChildren() && folderMode) {
        QPointer<TCustomExplorerTreeview> self(this);
        quint64 generation = FPrivate->FFolders.Generation();
        AddSubFolders(FPrivate->FFolders.FolderOfNode(Value), Value);
        // Input handled during the listing may have replaced the selection,
        // freed the node or the bar.
        if (!self || FPrivate->FSelectedNode != Value || generation != FPrivate->FFolders.Generation())
            return;
    }
    if (!IsUpdating()) {
        if (FPrivate->IsEditorFocused() && FPrivate->FEditMode)
            UpdateLeftIcon();
        else
            BuildNodeButtons();
    }
    if (Value && FPrivate->FAutoDropDownFill && folderMode)
        FPrivate->FDropDowns.AddWithChildrenToHistory(Value);
    if (Value && OnSelect && !IsUpdating() && !FPrivate->FIsInternal)
        OnSelect(this, Value);
}

void TCustomExplorerTreeview::Reselect()
{
    TKestTreeNode* node = FPrivate->FSelectedNode;
    SetSelectedNode(nullptr);
    SetSelectedNode(node);
}

void TCustomExplorerTreeview::SetInternalText(const QString& Value)
{
    FPrivate->FText = Value;
    // While node buttons are shown the edit stays empty: the text would show
    // beneath them. Clearing the buttons brings FPrivate->FText back.
    if (FPrivate->FButtonRow.IsEmpty())
        TCustomEdit::SetText(Value);
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

void TCustomExplorerTreeview::SetItems(TKestTreeNodes* Value)
{
    if (Value)
        FPrivate->FTreeNodes->Assign(Value);
}

QString TCustomExplorerTreeview::Text() const { return FPrivate->FEditMode ? QLineEdit::text() : FPrivate->FText; }

void TCustomExplorerTreeview::SetText(const QString& Value)
{
    if (!FPrivate->FEditorEnabled || FPrivate->FEditStyle != esEdit || IsDesigning())
        return;
    if (!FPrivate->FSelectedNode) {
        SetInternalText(Value);
        return;
    }
    if (Value.toUpper() == ShownPath(FPrivate->FSelectedNode).toUpper())
        return;
    SetInternalText(Value);
    ClearNodeButtons();
    FPrivate->FSelectedNode = nullptr;
}

// --- Properties -------------------------------------------------------------

void TCustomExplorerTreeview::SetAppearance(TExpTreeviewAppearance* Value) { FPrivate->FAppearance->Assign(Value); }

void TCustomExplorerTreeview::SetAutoComplete(bool Value)
{
    if (Value == FPrivate->FAutoComplete)
        return;
    FPrivate->FAutoComplete = Value;
    if (Value && !IsDesigning() && !IsLoading())
        PopulateAutoCompleteList();
}

void TCustomExplorerTreeview::SetAutoDropDownFill(bool Value)
{
    if (Value == FPrivate->FAutoDropDownFill)
        return;
    FPrivate->FAutoDropDownFill = Value;
    if (Value && FPrivate->FSelectedNode && FPrivate->IsFolderMode() && !IsDesigning() && !IsLoading())
        FPrivate->FDropDowns.AddWithChildrenToHistory(FPrivate->FSelectedNode);
}

bool TCustomExplorerTreeview::DropDownButton() const { return FPrivate->FDropDownButton->Visible(); }

void TCustomExplorerTreeview::SetDropDownButton(bool Value)
{
    if (FPrivate->FDropDownButton->Visible() == Value)
        return;
    FPrivate->FDropDownButton->SetVisible(Value);
    // Fixed steps; the next full layout uses the scaled rectangles.
    if (Value) {
        FPrivate->FDropDownButton->SetWidth(15);
        FPrivate->FDropDownButton->SetLeft(FPrivate->FDropDownButton->Left() - 15);
    } else {
        FPrivate->FDropDownButton->SetLeft(FPrivate->FDropDownButton->Left() + FPrivate->FDropDownButton->Width());
        FPrivate->FDropDownButton->SetWidth(0);
    }
}

void TCustomExplorerTreeview::SetEditorEnabled(bool Value)
{
    if (Value == FPrivate->FEditorEnabled)
        return;
    FPrivate->FEditorEnabled = Value;
    setReadOnly(!Value);
}

void TCustomExplorerTreeview::SetImages(TCustomImageList* Value)
{
    if (Value == FPrivate->FImages)
        return;
    if (FPrivate->FImages)
        RemoveFreeNotification(FPrivate->FImages);
    FPrivate->FImages = Value;
    if (FPrivate->FImages)
        FreeNotification(FPrivate->FImages);
}

void TCustomExplorerTreeview::SetMaxDropHeight(int Value)
{
    if (Value > 50)
        FPrivate->FMaxDropHeight = Value;
}

void TCustomExplorerTreeview::SetFolderPath(const QString& Value)
{
    if (Value == FPrivate->FFolderPath)
        return;
    FPrivate->FFolderPath = Value;
    if (IsDesigning() || IsLoading())
        return;
    Clear();
    LoadDirectoryStructure(bnFolder, Value, true);
}

void TCustomExplorerTreeview::SetRefreshButton(bool Value)
{
    if (Value == FPrivate->FRefreshButton)
        return;
    FPrivate->FRefreshButton = Value;
    if (!Value) {
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

void TCustomExplorerTreeview::SetRefreshGlyph(TBitmap* Value) { FPrivate->FRefreshGlyph->Assign(Value); }

void TCustomExplorerTreeview::SetRefreshImageIndex(int Value)
{
    if (Value == FPrivate->FRefreshImageIndex)
        return;
    FPrivate->FRefreshImageIndex = Value;
    if (FPrivate->FRefreshBtn)
        FPrivate->FRefreshBtn->SetImageIndex(Value);
}

void TCustomExplorerTreeview::SetShowImage(bool Value)
{
    if (Value == FPrivate->FShowImage)
        return;
    FPrivate->FShowImage = Value;
    UpdateEditRect();
    UpdateLeftIconPosition();
    FPrivate->PositionNodeButtons();
}

void TCustomExplorerTreeview::SetComponentStyle(TZPXStyle AStyle)
{
    FPrivate->FZPXStyle = AStyle;
    if (AStyle == tsCustom)
        return;
    // Old common controls draw the frame black; without the module (or its
    // version) the presets keep their blue-grey line.
    const TColor frame = IsCommonControlsV6() ? TColor(0xB99D7F) : clBlack;
    ApplyAppearancePreset(*FPrivate->FAppearance, AStyle, frame);
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
void TCustomExplorerTreeview::SetEditStyle(TEditStyle Value) { FPrivate->FEditStyle = Value; }
TCustomImageList* TCustomExplorerTreeview::Images() const { return FPrivate->FImages; }
int TCustomExplorerTreeview::MaxDropHeight() const { return FPrivate->FMaxDropHeight; }
TKestExplorerTreeviewMode TCustomExplorerTreeview::Mode() const { return FPrivate->FMode; }
void TCustomExplorerTreeview::SetMode(TKestExplorerTreeviewMode Value) { FPrivate->FMode = Value; }
QString TCustomExplorerTreeview::FolderPath() const { return FPrivate->FFolderPath; }
bool TCustomExplorerTreeview::RefreshButton() const { return FPrivate->FRefreshButton; }
TBitmap* TCustomExplorerTreeview::RefreshGlyph() const { return FPrivate->FRefreshGlyph.get(); }
int TCustomExplorerTreeview::RefreshImageIndex() const { return FPrivate->FRefreshImageIndex; }
bool TCustomExplorerTreeview::ShowImage() const { return FPrivate->FShowImage; }
bool TCustomExplorerTreeview::ShowHiddenFolders() const { return FPrivate->FShowHiddenFolders; }
void TCustomExplorerTreeview::SetShowHiddenFolders(bool Value) { FPrivate->FShowHiddenFolders = Value; }
bool TCustomExplorerTreeview::BufferedDraw() const { return FPrivate->FBufferedDraw; }
void TCustomExplorerTreeview::SetBufferedDraw(bool Value) { FPrivate->FBufferedDraw = Value; }
bool TCustomExplorerTreeview::MouseInControl() const { return FPrivate->FMouseInControl; }
bool TCustomExplorerTreeview::EditMode() const { return FPrivate->FEditMode; }

// --- Handed to the folder source ------------------------------------------------

void TCustomExplorerTreeview::LoadDirectoryStructure(TBaseNode BaseNode, const QString& path, bool ClearOldNodes)
{
    FPrivate->FFolders.LoadDirectoryStructure(BaseNode, path, ClearOldNodes);
}

void TCustomExplorerTreeview::AddSubFolders(const QString& path, TKestTreeNode* ParentNode)
{
    FPrivate->FFolders.AddSubFolders(path, ParentNode);
}

void TCustomExplorerTreeview::RefreshSubFolders(TKestTreeNode* ParentNode)
{
    FPrivate->FFolders.RefreshSubFolders(ParentNode);
}

void TCustomExplorerTreeview::ChooseNode(TKestTreeNode* Node) { FPrivate->FFolders.ChooseNode(Node); }

QString TCustomExplorerTreeview::GetSelectedFolder() const
{
    if (FPrivate->IsFolderMode() && FPrivate->FSelectedNode)
        return FPrivate->FFolders.FolderOfNode(FPrivate->FSelectedNode);
    return QString();
}

void TCustomExplorerTreeview::SetSelectedFolder(const QString& Path, bool Immediately)
{
    FPrivate->FFolders.SetSelectedFolder(Path, Immediately);
}

// --- Handed to the drop-down controller -----------------------------------------

void TCustomExplorerTreeview::AddToDropDownList(TKestTreeNode* Node) { FPrivate->FDropDowns.AddToHistory(Node); }

void TCustomExplorerTreeview::RemoveFromDropDownList(TKestTreeNode* Node)
{
    FPrivate->FDropDowns.History().Remove(Node);
}

void TCustomExplorerTreeview::RemoveFromDropDownList(int Index) { FPrivate->FDropDowns.History().RemoveAt(Index); }

void TCustomExplorerTreeview::ClearDropDownList() { FPrivate->FDropDowns.History().Clear(); }

TKestTreeNode* TCustomExplorerTreeview::GetDropDownList(int Index) const
{
    return FPrivate->FDropDowns.History().At(Index);
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

void TCustomExplorerTreeview::NodeAdded(TKestTreeNode* Node) { FPrivate->FDropDowns.NodeAdded(Node); }

void TCustomExplorerTreeview::NodeDeleted(TKestTreeNode* Node)
{
    FPrivate->FFolders.NodeGoing(Node);
    FPrivate->FDropDowns.NodeDeleted(Node);
}

void TCustomExplorerTreeview::NodeTextChanged(TKestTreeNode* Node) { FPrivate->FDropDowns.NodeTextChanged(Node); }

void TCustomExplorerTreeview::NodesCleared() { SetSelectedNode(nullptr); }
