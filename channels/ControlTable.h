// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every control of the main window, in the window's order from top to bottom
// (the order in which `dump` lists them), one row each:
//   X(name, kind, where, what it shows)
// `where` is Both, or TallOnly for the per-minute and per-hour rows that the
// compact layout does not have. Controls.h makes the enum, the names, the
// kinds and the tall-only test from this one list.
// clang-format off
#define VELMORA_CONTROLS(X) \
    X(Label37,  Label,    Both,     "heading of the channel settings") \
    X(Label46,  Label,    Both,     "number of the channel shown, in the heading") \
    X(Label47,  Label,    Both,     "colon after the heading's channel number") \
    X(Label40,  Label,    Both,     "caption of the picture quality list") \
    X(Combo6,   List,     Both,     "picture quality grade") \
    X(Label14,  Label,    Both,     "caption of the H.264 profile list") \
    X(Combo2,   List,     Both,     "H.264 profile") \
    X(cabac,    Label,    Both,     "whether CABAC is on for the profile and resolution") \
    X(Label15,  Label,    Both,     "caption of the frame rate list") \
    X(Combo3,   List,     Both,     "frames per second") \
    X(Label16,  Label,    Both,     "caption of the resolution list") \
    X(Combo4,   List,     Both,     "resolution") \
    X(Check1,   CheckBox, Both,     "much motion or noise in the picture") \
    X(Check2,   CheckBox, Both,     "sound recorded with the picture") \
    X(Label44,  Label,    Both,     "caption of the sound codec list") \
    X(Combo9,   List,     Both,     "sound codec") \
    X(Label17,  Label,    Both,     "tilde before the bits per pixel") \
    X(Label18,  Label,    Both,     "bits per pixel") \
    X(Label19,  Label,    Both,     "unit of the bits per pixel") \
    X(Label1,   Label,    Both,     "heading shown while the bitrate is typed by hand") \
    X(Label20,  Label,    Both,     "hint on typing or recomputing the bitrate") \
    X(Label2,   Label,    Both,     "caption of the bitrate field") \
    X(Text1,    TextBox,  Both,     "the channel's bitrate in kbit/s") \
    X(Label9,   Label,    Both,     "unit of the bitrate") \
    X(Label12,  Label,    TallOnly, "caption of the volume a minute") \
    X(Label11,  Label,    TallOnly, "volume a minute") \
    X(Label10,  Label,    TallOnly, "unit of the volume a minute") \
    X(Label3,   Label,    TallOnly, "caption of the volume an hour") \
    X(Label5,   Label,    TallOnly, "volume an hour") \
    X(Label7,   Label,    TallOnly, "unit of the volume an hour") \
    X(Label4,   Label,    Both,     "caption of the volume a day, around the hours list") \
    X(Combo1,   List,     Both,     "hours of recording a day") \
    X(Label6,   Label,    Both,     "volume a day") \
    X(Label8,   Label,    Both,     "unit of the volume a day") \
    X(Command6, Button,   Both,     "copies the channel's settings to every channel") \
    X(Command4, Button,   Both,     "deletes the channel shown") \
    X(Command3, Button,   Both,     "adds a channel with the settings shown") \
    X(Command2, Button,   Both,     "steps to the previous channel") \
    X(Label22,  Label,    Both,     "caption of the channel number") \
    X(Label23,  Label,    Both,     "number of the channel shown") \
    X(Command1, Button,   Both,     "steps to the next channel") \
    X(Label21,  Label,    Both,     "caption of the channel count") \
    X(Label24,  Label,    Both,     "number of channels") \
    X(Image2,   Picture,  Both,     "camera picture that opens the About window") \
    X(Label13,  Label,    Both,     "hint over the camera picture") \
    X(Label38,  Label,    Both,     "heading of the results") \
    X(Label42,  Label,    Both,     "caption of the total bitrate") \
    X(Label43,  Label,    Both,     "total bitrate in Mbit/s") \
    X(Label45,  Label,    Both,     "unit of the total bitrate") \
    X(Label25,  Label,    Both,     "caption of the archive a day") \
    X(Label26,  Label,    Both,     "archive a day of all channels") \
    X(Label28,  Label,    Both,     "unit of the archive a day") \
    X(Label27,  Label,    Both,     "caption of the archive over the period") \
    X(Text3,    TextBox,  Both,     "the period in days") \
    X(Label41,  Label,    Both,     "day word of the period") \
    X(Label29,  Label,    Both,     "archive over the period") \
    X(Label30,  Label,    Both,     "unit of the archive over the period") \
    X(Label39,  Label,    Both,     "hint that the period is a whole number") \
    X(Command5, Button,   Both,     "opens the report") \
    X(Label31,  Label,    Both,     "caption of the disk size") \
    X(Text2,    TextBox,  Both,     "the disk size") \
    X(Combo5,   List,     Both,     "unit of the disk size") \
    X(Label33,  Label,    Both,     "caption of the archive depth") \
    X(Label34,  Label,    Both,     "depth in days") \
    X(Label35,  Label,    Both,     "day word of the depth") \
    X(Label36,  Label,    Both,     "hint that the disk size is a whole number")
// clang-format on
