#include "pathbar/CustomExplorerTreeview.h"

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
#include "pathbar/NodeButtonRow.h"
#include "styles/FormStylerStyle.h"
#include "styles/SystemVersion.h"

TCustomExplorerTreeview::TCustomExplorerTreeview(TComponent* AOwner) : TCustomEdit(AOwner)
{
    setFrame(false);
    setAttribute(Qt::WA_Hover);
    // Tab reaches the bar; a click focuses it only on the bar itself, not on
    // its child buttons (mousePressEvent).
    setFocusPolicy(Qt::TabFocus);
    FButtonRow = std::make_unique<TNodeButtonRow>(*this);
    FTreeNodes.reset(CreateNodes());
    QLineEdit::setText(QString());
    SetEditorEnabled(false);
    setReadOnly(true);
    FText = QLineEdit::text();

    FAppearance = std::make_unique<TExpTreeviewAppearance>();
    FAppearance->OnChange = [this](QObject*) { AppearanceChanged(); };

    FRefreshGlyph = std::make_unique<TBitmap>();
    FRefreshGlyph->LoadFromResourceName(QStringLiteral("REFRESH_BTN"));
    FRefreshGlyph->OnChange = [this](QObject*) {
        if (FRefreshBtn)
            FRefreshBtn->SetGlyph(FRefreshGlyph.get());
    };

    FRefreshImageIndex = -1;
    SetRefreshButton(true);

    FDropDownButton = new TDropDownButton(this);
    FDropDownButton->OnMouseDown = [this](QObject*) { DropDownButtonMouseDown(); };
    FDropDownButton->SetVisible(true);
    UpdateLayout();

    FLeftIcon = new TLeftIcon(this);
    FLeftIcon->OnClick = [this](QObject*) { SetEditMode(false); };
    FLeftIcon->SetVisible(true);
    SetShowImage(true);

    SetBounds(Left(), Top(), 300, 25);
    // A bar dropped on a form in the designer takes the form's style; it is
    // still stored as a custom one.
    if (AOwner && AOwner->IsDesigning() && !AOwner->IsReading() && !AOwner->IsLoading())
        SetComponentStyle(GetFormStylerStyle(AOwner, tsOffice2019White));
    FZPXStyle = tsCustom;
}

TCustomExplorerTreeview::~TCustomExplorerTreeview()
{
    Destroying();
    FButtonRow->DeleteSpareButtons();
    // Open drop-down windows go now, before the bar they report to.
    for (TDropForm* form : {FDropForm.data(), FAutoComForm.data()}) {
        if (form) {
            form->OnDeactivate = nullptr;
            delete form;
        }
    }
    ClearNodeButtons();
    FTreeNodes->Clear();
    FSelectedNode = nullptr;
    delete FRefreshBtn;
    FRefreshBtn = nullptr;
    delete FDropDownButton;
    FDropDownButton = nullptr;
    FAppearance.reset();
    delete FLeftIcon;
    FLeftIcon = nullptr;
    FRefreshGlyph.reset();
    FDropDownList.Clear();
    FAutoCompleteList.Clear();
    delete FInternalImages;
    FInternalImages = nullptr;
    FTreeNodes.reset();
}

quint32 TCustomExplorerTreeview::GetVersionNr() const { return 0x01050101; }

TKestTreeNode* TCustomExplorerTreeview::CreateNode() { return new TKestTreeNode(FTreeNodes.get()); }

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
    if (!IsDesigning() && !hasFocus() && FAppearance->FocusColor() != clNone)
        ApplyColor(FAppearance->Color());
    if (!IsDesigning()) {
        if (FMode == aeSystem)
            LoadDirectoryStructure(bnDesktop, QString(), true);
        else if (FMode == aeFolder && !FFolderPath.isEmpty())
            LoadDirectoryStructure(bnFolder, FFolderPath, true);
    }
    if (FAutoComplete && !IsDesigning())
        PopulateAutoCompleteList();
    if (!FSelectedNode && Text().isEmpty())
        SetSelectedNode(FTreeNodes->GetFirstNode());
    if (FAutoDropDownFill && !IsDesigning()) {
        SetAutoDropDownFill(false);
        SetAutoDropDownFill(true);
    }
}

void TCustomExplorerTreeview::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomEdit::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && FImages && AComponent == static_cast<TComponent*>(FImages)) {
        FImages = nullptr;
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
    if (FMode != aeFolder || FFolderPath.isEmpty())
        return QString();
    return FFolderPath.endsWith(kPathSeparator) ? FFolderPath : FFolderPath + kPathSeparator;
}

QString TCustomExplorerTreeview::ShownPath(TKestTreeNode* Node) const
{
    if (FMode == aeFolder && Node && Node == FTreeNodes->GetFirstNode())
        return QString();
    return BuildNodePath(Node, false);
}

// --- Selection --------------------------------------------------------------

void TCustomExplorerTreeview::SetSelectedNode(TKestTreeNode* Value)
{
    if (Value == FSelectedNode)
        return;
    ClearNodeButtons();
    FSelectedNode = Value;
    SetInternalText(ShownPath(Value));
    const bool folderMode = IsFolderMode();
    if (Value && !Value->HasChildren() && folderMode) {
        QPointer<TCustomExplorerTreeview> self(this);
        quint64 generation = FTreeGeneration;
        AddSubFolders(FolderOfNode(Value), Value);
        // Input handled during the listing may have replaced the selection,
        // freed the node or the bar.
        if (!self || FSelectedNode != Value || generation != FTreeGeneration)
            return;
    }
    if (!IsUpdating()) {
        if (IsEditorFocused() && FEditMode)
            UpdateLeftIcon();
        else
            BuildNodeButtons();
    }
    if (Value && FAutoDropDownFill && folderMode)
        AddWithChildrenToDropDownList(Value);
    if (Value && OnSelect && !IsUpdating() && !FIsInternal)
        OnSelect(this, Value);
}

void TCustomExplorerTreeview::Reselect()
{
    TKestTreeNode* node = FSelectedNode;
    SetSelectedNode(nullptr);
    SetSelectedNode(node);
}

void TCustomExplorerTreeview::SetInternalText(const QString& Value)
{
    FText = Value;
    // While node buttons are shown the edit stays empty: the text would show
    // beneath them. Clearing the buttons brings FText back.
    if (FButtonRow->IsEmpty())
        TCustomEdit::SetText(Value);
}

bool TCustomExplorerTreeview::HasFocusLook() const
{
    // An open list of the bar has the keys, but they edit the bar's text.
    return hasFocus() || (FFocusInPopup && (FDropForm || FAutoComForm));
}

bool TCustomExplorerTreeview::IsEditorFocused() const
{
    if (!FEditorEnabled)
        return false;
    auto focused = [](const auto& w) { return w && w->hasFocus(); };
    return hasFocus() || focused(FDropForm) || focused(FListBox) || focused(FAutoComForm) ||
           focused(FAutoComListBox);
}

void TCustomExplorerTreeview::BeginUpdate()
{
    // The control's own Visible property, not whether its window is shown.
    if (Visible())
        ++FUpdateCount;
}

void TCustomExplorerTreeview::EndUpdate()
{
    if (!Visible() || FUpdateCount <= 0)
        return;
    if (--FUpdateCount == 0) {
        Reselect();
        update();
    }
}

void TCustomExplorerTreeview::Clear()
{
    QLineEdit::clear();
    FTreeNodes->Clear();
}

void TCustomExplorerTreeview::SetItems(TKestTreeNodes* Value)
{
    if (Value)
        FTreeNodes->Assign(Value);
}

QString TCustomExplorerTreeview::Text() const { return FEditMode ? QLineEdit::text() : FText; }

void TCustomExplorerTreeview::SetText(const QString& Value)
{
    if (!FEditorEnabled || FEditStyle != esEdit || IsDesigning())
        return;
    if (!FSelectedNode) {
        SetInternalText(Value);
        return;
    }
    if (Value.toUpper() == ShownPath(FSelectedNode).toUpper())
        return;
    SetInternalText(Value);
    ClearNodeButtons();
    FSelectedNode = nullptr;
}

// --- Properties -------------------------------------------------------------

void TCustomExplorerTreeview::SetAppearance(TExpTreeviewAppearance* Value) { FAppearance->Assign(Value); }

void TCustomExplorerTreeview::SetAutoComplete(bool Value)
{
    if (Value == FAutoComplete)
        return;
    FAutoComplete = Value;
    if (Value && !IsDesigning() && !IsLoading())
        PopulateAutoCompleteList();
}

void TCustomExplorerTreeview::SetAutoDropDownFill(bool Value)
{
    if (Value == FAutoDropDownFill)
        return;
    FAutoDropDownFill = Value;
    if (Value && FSelectedNode && IsFolderMode() && !IsDesigning() && !IsLoading())
        AddWithChildrenToDropDownList(FSelectedNode);
}

bool TCustomExplorerTreeview::DropDownButton() const { return FDropDownButton->Visible(); }

void TCustomExplorerTreeview::SetDropDownButton(bool Value)
{
    if (FDropDownButton->Visible() == Value)
        return;
    FDropDownButton->SetVisible(Value);
    // Fixed steps; the next full layout uses the scaled rectangles.
    if (Value) {
        FDropDownButton->SetWidth(15);
        FDropDownButton->SetLeft(FDropDownButton->Left() - 15);
    } else {
        FDropDownButton->SetLeft(FDropDownButton->Left() + FDropDownButton->Width());
        FDropDownButton->SetWidth(0);
    }
}

void TCustomExplorerTreeview::SetEditorEnabled(bool Value)
{
    if (Value == FEditorEnabled)
        return;
    FEditorEnabled = Value;
    setReadOnly(!Value);
}

void TCustomExplorerTreeview::SetImages(TCustomImageList* Value)
{
    if (Value == FImages)
        return;
    if (FImages)
        RemoveFreeNotification(FImages);
    FImages = Value;
    if (FImages)
        FreeNotification(FImages);
}

void TCustomExplorerTreeview::SetMaxDropHeight(int Value)
{
    if (Value > 50)
        FMaxDropHeight = Value;
}

void TCustomExplorerTreeview::SetFolderPath(const QString& Value)
{
    if (Value == FFolderPath)
        return;
    FFolderPath = Value;
    if (IsDesigning() || IsLoading())
        return;
    Clear();
    LoadDirectoryStructure(bnFolder, Value, true);
}

void TCustomExplorerTreeview::SetRefreshButton(bool Value)
{
    if (Value == FRefreshButton)
        return;
    FRefreshButton = Value;
    if (!Value) {
        delete FRefreshBtn;
        FRefreshBtn = nullptr;
    } else if (!FRefreshBtn) {
        CreateRefreshButton();
    }
    UpdateButtonPositions();
    if (!IsDesigning())
        UpdateEditRect();
}

void TCustomExplorerTreeview::CreateRefreshButton()
{
    FRefreshBtn = new TDropDownButton(this);
    FRefreshBtn->OnClick = [this](QObject*) {
        SetEditMode(false);
        if (OnRefreshClick)
            OnRefreshClick(this);
    };
    FRefreshBtn->SetVisible(true);
    FRefreshBtn->SetGlyph(FRefreshGlyph.get());
    FRefreshBtn->SetImageIndex(FRefreshImageIndex);
}

void TCustomExplorerTreeview::SetRefreshGlyph(TBitmap* Value) { FRefreshGlyph->Assign(Value); }

void TCustomExplorerTreeview::SetRefreshImageIndex(int Value)
{
    if (Value == FRefreshImageIndex)
        return;
    FRefreshImageIndex = Value;
    if (FRefreshBtn)
        FRefreshBtn->SetImageIndex(Value);
}

void TCustomExplorerTreeview::SetShowImage(bool Value)
{
    if (Value == FShowImage)
        return;
    FShowImage = Value;
    UpdateEditRect();
    UpdateLeftIconPosition();
    PositionNodeButtons();
}

TCustomImageList* TCustomExplorerTreeview::GetImageList() const
{
    return FMode == aeCustom ? FImages : FInternalImages;
}

void TCustomExplorerTreeview::SetComponentStyle(TZPXStyle AStyle)
{
    FZPXStyle = AStyle;
    if (AStyle == tsCustom)
        return;
    // Old common controls draw the frame black; without the module (or its
    // version) the presets keep their blue-grey line.
    const TColor frame = IsCommonControlsV6() ? TColor(0xB99D7F) : clBlack;
    ApplyAppearancePreset(*FAppearance, AStyle, frame);
}
