#pragma once

// The calculator and map windows' controls by their fixed object names, each
// with the name assistive technology reads; outside checks find them by these
// names. An empty accessible name lets the control's caption be read.

#include "widgets/namedcontrol.h"

namespace qarnivo::calculatornames {

inline constexpr ControlName MenuBar{"MenuBar", QT_TRANSLATE_NOOP("AccessibleName", "Menu")};
inline constexpr ControlName CloseCommand{"Cloze", ""};
inline constexpr ControlName RefreshCommand{"Refresh", ""};
inline constexpr ControlName ManualCommand{"Manual", ""};
inline constexpr ControlName OffsetsCommand{"GMToffset", ""};
inline constexpr ControlName PlacesCommand{"LatLong", ""};
inline constexpr ControlName MapCommand{"GMTMap", ""};
inline constexpr ControlName BrowserArea{
    "BrowserArea", QT_TRANSLATE_NOOP("AccessibleName", "Sunrise and sunset page")};
inline constexpr ControlName SideColumn{
    "SideColumn", QT_TRANSLATE_NOOP("AccessibleName", "Default city and lists")};
inline constexpr ControlName EffectTimer{"Timer1", ""};

// The default city's boxes.
inline constexpr ControlName CityFrame{"Frame1", ""};
inline constexpr ControlName CityCaption{"Label1", ""}; // (0..3)
inline constexpr ControlName CityBox{"Text1", ""};      // (0..3), named by their captions
inline constexpr ControlName EditButton{"Edit", ""};
inline constexpr ControlName StartupRow{"Frame5", QT_TRANSLATE_NOOP("AccessibleName", "Startup")};
inline constexpr ControlName ShowFirstBox{"Check1", ""};

// The place list.
inline constexpr ControlName PlaceFrame{"Frame3", ""};
inline constexpr ControlName PlaceList{"List1", QT_TRANSLATE_NOOP("AccessibleName", "Places")};
inline constexpr ControlName PlaceSearchCaption{"Label2", ""};
inline constexpr ControlName PlaceSearchBox{"Text2", ""};
inline constexpr ControlName PlaceFindButton{"FindNext", ""};
inline constexpr ControlName PlaceCloseButton{"Resetz", ""};
inline constexpr ControlName AddPlaceNote{"Label5", ""};

// The country offset list.
inline constexpr ControlName CountryFrame{
    "Frame4", QT_TRANSLATE_NOOP("AccessibleName", "GMT offsets of countries")};
inline constexpr ControlName CountryHeading{"Label4", ""};
inline constexpr ControlName CountryList{
    "List2", QT_TRANSLATE_NOOP("AccessibleName", "GMT offsets of countries")};
inline constexpr ControlName CountryCount{"Label7", ""};
inline constexpr ControlName CountrySearchCaption{"Label10", ""};
inline constexpr ControlName CountrySearchBox{"Text3", ""};
inline constexpr ControlName CountryFindButton{"FindNext1", ""};
inline constexpr ControlName CountryCloseButton{"Close1", ""};
inline constexpr ControlName AddCountryNote{"Label9", ""};

// The bottom frame.
inline constexpr ControlName AboutFrame{
    "Frame2", QT_TRANSLATE_NOOP("AccessibleName", "About the calculator")};
inline constexpr ControlName AboutTitle{"Label13", ""};
inline constexpr ControlName EffectLabel{"Label6", ""};
inline constexpr ControlName EffectSwitch{"Label11", ""};
inline constexpr ControlName WebLink{"Label8", ""};
inline constexpr ControlName StarHolder{"Image4",
                                        QT_TRANSLATE_NOOP("AccessibleName", "Decoration")};
inline constexpr ControlName RosetteHolder{"Image6",
                                           QT_TRANSLATE_NOOP("AccessibleName", "Decoration")};

// The map window.
inline constexpr ControlName MapPicture{
    "Image1", QT_TRANSLATE_NOOP("AccessibleName", "World map of GMT time zones")};
inline constexpr ControlName MapScroller{"MapScroller",
                                         QT_TRANSLATE_NOOP("AccessibleName", "World map")};
inline constexpr ControlName MapCloseCaption{"Label1", ""};
inline constexpr ControlName MapCloseNote{"Label2", ""};

} // namespace qarnivo::calculatornames
