#include "resources/pagelet/pageletresources.h"

#include <iterator>

extern const unsigned char icon4000_16_png[];
extern const std::size_t icon4000_16_png_size;
extern const unsigned char icon4000_32_png[];
extern const std::size_t icon4000_32_png_size;
extern const unsigned char insertu_png[];
extern const std::size_t insertu_png_size;
extern const unsigned char insertd_png[];
extern const std::size_t insertd_png_size;
extern const unsigned char insertf_png[];
extern const std::size_t insertf_png_size;
extern const unsigned char insertx_png[];
extern const std::size_t insertx_png_size;
extern const unsigned char deleteu_png[];
extern const std::size_t deleteu_png_size;
extern const unsigned char deleted_png[];
extern const std::size_t deleted_png_size;
extern const unsigned char deletef_png[];
extern const std::size_t deletef_png_size;
extern const unsigned char deletex_png[];
extern const std::size_t deletex_png_size;
extern const unsigned char moveupu_png[];
extern const std::size_t moveupu_png_size;
extern const unsigned char moveupd_png[];
extern const std::size_t moveupd_png_size;
extern const unsigned char moveupf_png[];
extern const std::size_t moveupf_png_size;
extern const unsigned char moveupx_png[];
extern const std::size_t moveupx_png_size;
extern const unsigned char movedownu_png[];
extern const std::size_t movedownu_png_size;
extern const unsigned char movedownd_png[];
extern const std::size_t movedownd_png_size;
extern const unsigned char movedownf_png[];
extern const std::size_t movedownf_png_size;
extern const unsigned char movedownx_png[];
extern const std::size_t movedownx_png_size;
extern const unsigned char bitmap130_png[];
extern const std::size_t bitmap130_png_size;

namespace {

const CStringResource kStrings[] = {
    {IDS_PAGELET_TYPE, "Java Applet"},
    {IDS_PAGELET_NAME, "Pallima Glintra 1.5"},
    {IDS_MENU_TEXT, "Pallima Glintra 1.5"},
    {IDS_MESSAGE_TEXT, "Create Attractive Java Animate Banners"},
    {IDS_TIPS_TEXT, "Glintra"},
    {IDS_CLASS_FILE, "glntfx.class"},
    {IDS_ALIGN_BASE + 0, "Center"},
    {IDS_ALIGN_BASE + 1, "Left"},
    {IDS_ALIGN_BASE + 2, "Right"},
    {IDS_FONT_BASE + 0, "t"},
    {IDS_FONT_BASE + 1, "h"},
    {IDS_FONT_BASE + 2, "c"},
    {IDS_STYLE_BASE + 0, "p"},
    {IDS_STYLE_BASE + 1, "b"},
    {IDS_STYLE_BASE + 2, "i"},
    {IDS_WIZARD_CAPTION, "Wizard"},
    {IDS_TIP_DELETE, "Delete this banner"},
    {IDS_TIP_INSERT, "Insert a new banner"},
    {IDS_TIP_MOVEUP, "Move up this banner"},
    {IDS_TIP_MOVEDOWN, "Move down this banner"},
    {IDS_PAGELET_APPNAME, "Pallima Glintra"},
};

} // namespace

HMODULE32 RegisterPageletResources()
{
    const CImageResource images[] = {
        {IDI_PAGELET, 16, 16, icon4000_16_png, icon4000_16_png_size},
        {IDI_PAGELET, 32, 32, icon4000_32_png, icon4000_32_png_size},
        {IDB_WIZARD_SIDE, 116, 245, bitmap130_png, bitmap130_png_size},
        {IDB_INSERT + 0, 30, 26, insertu_png, insertu_png_size},
        {IDB_INSERT + 1, 30, 26, insertd_png, insertd_png_size},
        {IDB_INSERT + 2, 30, 26, insertf_png, insertf_png_size},
        {IDB_INSERT + 3, 30, 26, insertx_png, insertx_png_size},
        {IDB_DELETE + 0, 30, 26, deleteu_png, deleteu_png_size},
        {IDB_DELETE + 1, 30, 26, deleted_png, deleted_png_size},
        {IDB_DELETE + 2, 30, 26, deletef_png, deletef_png_size},
        {IDB_DELETE + 3, 30, 26, deletex_png, deletex_png_size},
        {IDB_MOVEUP + 0, 30, 26, moveupu_png, moveupu_png_size},
        {IDB_MOVEUP + 1, 30, 26, moveupd_png, moveupd_png_size},
        {IDB_MOVEUP + 2, 30, 26, moveupf_png, moveupf_png_size},
        {IDB_MOVEUP + 3, 30, 26, moveupx_png, moveupx_png_size},
        {IDB_MOVEDOWN + 0, 30, 26, movedownu_png, movedownu_png_size},
        {IDB_MOVEDOWN + 1, 30, 26, movedownd_png, movedownd_png_size},
        {IDB_MOVEDOWN + 2, 30, 26, movedownf_png, movedownf_png_size},
        {IDB_MOVEDOWN + 3, 30, 26, movedownx_png, movedownx_png_size},
    };
    return RegisterModuleResources("PageletGlintra", kStrings, std::size(kStrings), images, std::size(images));
}
