#pragma once

#include <QString>
#include <QStringView>

#include <array>

// Where each value of a design file lies: its section and key. The editor writes and reads design
// files and the menu program reads them, both through these names, so that the two programs
// cannot come to spell a key differently.
namespace designkeys {

struct Key {
    const char16_t* section;
    const char16_t* name;

    // "section/name", as tests list a file's keys.
    QString path() const { return QString::fromUtf16(section) + u'/' + QString::fromUtf16(name); }
};

inline constexpr Key kDesignMode{u"general", u"design_mode"};
inline constexpr Key kButtonMode{u"general", u"button_mode"};

inline constexpr Key kSplashEnabled{u"Splash", u"enabled"};
inline constexpr Key kSplashBitmap{u"Splash", u"bmp"};
inline constexpr Key kSplashBitmapAlone{u"Splash", u"bmpalone"};
inline constexpr Key kSplashHeight{u"Splash", u"height"};
inline constexpr Key kSplashWidth{u"Splash", u"width"};
inline constexpr Key kSplashFrameColor{u"Splash", u"fc"};
inline constexpr Key kSplashFrameWidth{u"Splash", u"fw"};
inline constexpr Key kSplashDelay{u"Splash", u"d"}; // milliseconds

inline constexpr Key kIcon{u"Icon", u"name"};
inline constexpr Key kIconAlone{u"Icon", u"namealone"};

inline constexpr Key kButtonStart{u"Buttons", u"btnc"};
inline constexpr Key kButtonEnd{u"Buttons", u"btnec"};
inline constexpr Key kButtonFont{u"Buttons", u"btnFc"};
inline constexpr Key kButtonBitmap{u"Buttons", u"btn_bmp"};
inline constexpr Key kButtonBitmapAlone{u"Buttons", u"btn_bmpalone"};
inline constexpr Key kShadowDepth{u"Buttons", u"btnsd"};
inline constexpr Key kBorderWidth{u"Buttons", u"btnbw"};
inline constexpr Key kButtonStyle{u"Buttons", u"style"};
inline constexpr Key kButtonEffect{u"Buttons", u"effect"};
inline constexpr Key kButtonFontEffect{u"Buttons", u"font_effect"};
inline constexpr Key kButtonFontFormat{u"Buttons", u"font_format"};

inline constexpr Key kCategoryBox{u"Boxes", u"boxc_c"};
inline constexpr Key kCategoryBoxFont{u"Boxes", u"boxc_fc"};
inline constexpr Key kFilesBox{u"Boxes", u"boxf_c"};
inline constexpr Key kFilesBoxFont{u"Boxes", u"boxf_fc"};
inline constexpr Key kDetailsBox{u"Boxes", u"boxd_c"};
inline constexpr Key kCategoryBoxFill{u"Boxes", u"boxc_bmp"};
inline constexpr Key kFilesBoxFill{u"Boxes", u"boxf_bmp"};
inline constexpr Key kDetailsBoxFill{u"Boxes", u"boxd_bmp"};

inline constexpr Key kHeadingFont{u"Fonts", u"fuc"};
inline constexpr Key kLabelFont{u"Fonts", u"fduc"};
inline constexpr Key kValueFont{u"Fonts", u"fdnc"};
inline constexpr Key kHeadingFormat{u"Fonts", u"fuc_format"};
inline constexpr Key kLabelFormat{u"Fonts", u"fduc_format"};
inline constexpr Key kValueFormat{u"Fonts", u"fdnc_format"};
inline constexpr Key kHeadingEffect{u"Fonts", u"fuc_effect"};
inline constexpr Key kLabelEffect{u"Fonts", u"fduc_effect"};
inline constexpr Key kValueEffect{u"Fonts", u"fdnc_effect"};

inline constexpr Key kBackStart{u"Back", u"bc"};
inline constexpr Key kBackEnd{u"Back", u"bec"};
inline constexpr Key kBackBitmap{u"Back", u"bmp"};
inline constexpr Key kBackBitmapAlone{u"Back", u"bmpalone"};
inline constexpr Key kTileMode{u"Back", u"tile_mode"};

// Sound n (1 to 5) at index n - 1: the stored path and its alone name.
inline constexpr std::array<Key, 5> kSounds{{{u"Sound", u"sound1"},
                                             {u"Sound", u"sound2"},
                                             {u"Sound", u"sound3"},
                                             {u"Sound", u"sound4"},
                                             {u"Sound", u"sound5"}}};
inline constexpr std::array<Key, 5> kSoundsAlone{{{u"Sound", u"sound1alone"},
                                                  {u"Sound", u"sound2alone"},
                                                  {u"Sound", u"sound3alone"},
                                                  {u"Sound", u"sound4alone"},
                                                  {u"Sound", u"sound5alone"}}};

inline constexpr Key kLanguage{u"Language", u"Language"};
inline constexpr Key kStyle{u"Language", u"Style"};

} // namespace designkeys
