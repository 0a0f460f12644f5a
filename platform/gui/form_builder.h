#pragma once
// Forms declared as data. A form lists its components in a table, parents before children; the builder
// creates each widget with its name as objectName, lays it out in its parent's grid and binds it to its
// data source. Look components up afterwards with form.component<T>("name").
//
//   using K = vq::gui::Kind; // the kinds share their names with the control classes
//   constexpr vq::gui::ControlSpec kLayout[] = {
//       {K::PageControl, "pgcPadrao", "", "", "", "", {0, 0}},
//       {K::TabSheet, "tshFormulario", "pgcPadrao", "Formulário"},
//       {K::GroupBox, "grbIdent", "tshFormulario", "Identificação", "", "", {0, 0, 1, 2}},
//       {K::DbEdit, "dbeNmRazaoSoc", "grbIdent", "Razão social", "dtsPadrao", "NMRAZSOCCLIE", {0, 0},
//        "label=lblNmRazaoSoc;width=40;required"},
//       {K::DbComboBox, "dbcSituAtiv", "grbIdent", "Situação", "dtsPadrao", "IDCLIEATIV", {0, 1},
//        "style=list;items=Ativo|Inativo;values=S|N"},
//   };
//
// Parent "" is the form itself. Containers (form, GroupBox, Panel, TabSheet) lay out children in a grid
// at cell {row, col, rowSpan, colSpan}; a PageControl takes TabSheets; menus take MenuItems.
// A caption on an edit-like control puts a label above it (named by "label=" when the form refers to it).
//
// Options, ';'-separated: items=A|B  values=S|N (check box: checked|unchecked)  hint=text  width=chars
// lines=n  maxLength=n  min=n  max=n  decimals=n  columns=n  style=list|edit  shortcut=Ctrl+E
// label=name  popup=pmnName  follow=mnuName (a tool button's Enabled follows the item)  color=required|
// normal|disabled  and the flags readOnly disabled hidden checked noTab required. mask=... takes the
// rest of the text (masks contain ';'), so it comes last.

#include <span>

namespace vq::gui {

class FormBase;

enum class Kind {
    Label,
    Edit,
    MaskEdit,
    DateEdit,
    NumberEdit,
    SpinEdit,
    Memo,
    RichMemo,
    ComboBox,
    CheckBox,
    RadioGroup,
    Button,
    ToolButton,
    GroupBox,
    Panel,
    PageControl,
    TabSheet,
    DbEdit,
    DbDateEdit,
    DbMemo,
    DbRichEdit,
    DbComboBox,
    DbCheckBox,
    DbRadioGroup,
    DbGrid,
    DbNavigator,
    MainMenu,
    PopupMenu,
    MenuItem,
    MenuSeparator
};

struct Cell {
    int row = 0;
    int col = 0;
    int rowSpan = 1;
    int colSpan = 1;
    constexpr Cell(int r = 0, int c = 0, int rs = 1, int cs = 1) : row(r), col(c), rowSpan(rs), colSpan(cs) {}
};

struct ControlSpec {
    Kind kind;
    const char* name;
    const char* parent;
    const char* caption;
    const char* source; // DataSource registered on the form
    const char* field;
    Cell cell;
    const char* options;
    constexpr ControlSpec(Kind k, const char* n, const char* p = "", const char* cap = "",
                          const char* src = "", const char* fld = "", Cell c = {}, const char* opt = "")
        : kind(k), name(n), parent(p), caption(cap), source(src), field(fld), cell(c), options(opt) {}
};

// Grid columns. Options: readOnly hidden ellipsis pick=A|B|C.
struct ColumnSpec {
    const char* grid;
    const char* field;
    const char* title;
    int width; // characters; 0: the field's display width
    const char* options;
    constexpr ColumnSpec(const char* g, const char* f, const char* t = "", int w = 0, const char* o = "")
        : grid(g), field(f), title(t), width(w), options(o) {}
};

// Throws vq::Error naming the control on an unknown parent or data source, a repeated name, or a bad option.
void buildForm(FormBase& form, std::span<const ControlSpec> specs);
void buildColumns(FormBase& form, std::span<const ColumnSpec> columns);

} // namespace vq::gui
