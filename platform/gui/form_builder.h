#pragma once
// clang-format off
// Forms declared as data. A form lists its components in a table, parents before children; the builder
// creates each widget with its name as objectName, lays it out in its parent's grid, binds it to its
// data source and stores it in the form member the row names. Rows without a member are looked up
// afterwards with form.component<T>("name").
//
//   using enum vq::gui::Kind; // the kinds share their names with the control classes
//   using vq::gui::bind;
//   using Self = TfrmX;
//   // clang-format off
//   constexpr vq::gui::ControlSpec kLayout[] = {
//       {PageControl, "pgcPadrao", "", "", "", "", {0, 0}, {}, bind<&Self::pgcPadrao>()},
//       {TabSheet, "tshFormulario", "pgcPadrao", "Formulário"},
//       {GroupBox, "grbIdent", "tshFormulario", "Identificação", "", "", {0, 0, 1, 2}},
//       {DbEdit, "dbeNmRazaoSoc", "grbIdent", "Razão social", "dtsPadrao", "NMRAZSOCCLIE", {0, 0}, {.label = "lblNmRazaoSoc", .width = 40, .required = true}},
//       {DbComboBox, "dbcSituAtiv", "grbIdent", "Situação", "dtsPadrao", "IDCLIEATIV", {0, 1}, {.items = "Ativo|Inativo", .values = "S|N", .style = ComboStyle::DropDownList}, bind<&Self::dbcSituAtiv>()},
//       {ToolButton, "sbtFiltro", "pnlFerramentas", "Filtrar", "", "", {0, 11}, {.hint = "Filtrar", .follow = "mnuFiltrar"}, bind<&Self::sbtFiltro>()},
//   };
//   // clang-format on
//
// Row: kind, name, parent ("" is the form itself), caption, data source, field, cell, options (Opt, by
// field name in declaration order), member. Containers (form, GroupBox, Panel, TabSheet) lay out children
// in a grid at cell {row, col, rowSpan, colSpan}; a PageControl takes TabSheets; menus take MenuItems. A
// caption on an edit-like control puts a label above it (named by .label when the form refers to it).
// One control per line, kept out of clang-format: the table is the form's picture.
// clang-format on

#include "platform/gui/member_binder.h"

#include <span>

namespace vq::gui {

enum class ComboStyle; // choices.h; its first value, DropDown, is the default
enum class ColorRole { Default, Required, Normal, Disabled }; // colors.h

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
    RadioButton,
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
    MenuSeparator,
    ProgressBar,
    Animation
};

struct Cell {
    int row = 0;
    int col = 0;
    int rowSpan = 1;
    int colSpan = 1;
    constexpr Cell(int r = 0, int c = 0, int rs = 1, int cs = 1) : row(r), col(c), rowSpan(rs), colSpan(cs) {}
};

// A row's options, filled by name in this order: {.hint = "Filtrar", .follow = "mnuFiltrar"}.
struct Opt {
    const char* label = "";    // names the caption label when the form refers to it
    const char* hint = "";     // tool tip; a menu item's status tip
    const char* items = "";    // combo box, radio group: "A|B|C"
    const char* values = "";   // the stored value of each item; check box: "checked|unchecked"
    const char* mask = "";     // edit mask, e.g. "99.999-999;0;_"
    const char* shortcut = ""; // menu item or tool button: "Ctrl+E", "F10", "Esc"
    const char* follow = "";   // tool button: Enabled follows this menu item (declared before it)
    const char* popup = "";    // context menu
    ComboStyle style{};        // combo box: DropDown (typing allowed) or DropDownList
    ColorRole color = ColorRole::Default;
    int width = 0; // characters
    int lines = 0;
    int maxLength = 0; // 0: no limit
    int min = 0, max = 999999;
    int decimals = 2;
    int columns = 1; // radio group
    bool readOnly = false, disabled = false, hidden = false, checked = false, noTab = false;
    bool required = false;  // the required colour
    bool upperCase = false; // edits: typed letters upper-cased
};

struct ControlSpec {
    Kind kind;
    const char* name;
    const char* parent;
    const char* caption;
    const char* source; // DataSource registered on the form
    const char* field;
    Cell cell;
    Opt options;
    Binder member; // the form member that receives the component; null: looked up by name
    constexpr ControlSpec(Kind k, const char* n, const char* p = "", const char* cap = "",
                          const char* src = "", const char* fld = "", Cell c = {}, Opt opt = {},
                          Binder m = nullptr)
        : kind(k), name(n), parent(p), caption(cap), source(src), field(fld), cell(c), options(opt),
          member(m) {}
};

struct ColumnOpt {
    const char* pick = ""; // "A|B|C"
    bool readOnly = false, hidden = false, ellipsis = false;
};

// Grid columns: {"dbgPadrao", "IDCLIEATIV", "Ativo", 3, {.pick = "S|N"}}.
struct ColumnSpec {
    const char* grid;
    const char* field;
    const char* title;
    int width; // characters; 0: the field's display width
    ColumnOpt options;
    constexpr ColumnSpec(const char* g, const char* f, const char* t = "", int w = 0, ColumnOpt o = {})
        : grid(g), field(f), title(t), width(w), options(o) {}
};

// Throws vq::Error naming the control on an unknown parent, data source or menu, a repeated name, or a
// member of another type than the row's kind.
void buildForm(FormBase& form, std::span<const ControlSpec> specs);
void buildColumns(FormBase& form, std::span<const ColumnSpec> columns);

} // namespace vq::gui
