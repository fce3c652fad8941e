#include "resources/pagelet/pageletresources.h"

#include <iterator>

extern const unsigned char icon4000_16_png[];
extern const std::size_t icon4000_16_png_size;
extern const unsigned char icon4000_32_png[];
extern const std::size_t icon4000_32_png_size;

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
    {IDS_PAGELET_APPNAME, "Pallima Glintra"},
};

} // namespace

HMODULE32 RegisterPageletResources()
{
    const CImageResource images[] = {
        {IDI_PAGELET, 16, 16, icon4000_16_png, icon4000_16_png_size},
        {IDI_PAGELET, 32, 32, icon4000_32_png, icon4000_32_png_size},
    };
    return RegisterModuleResources("PageletGlintra", kStrings, std::size(kStrings), images, std::size(images));
}
