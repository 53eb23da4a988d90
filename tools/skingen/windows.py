"""The windows of the application: size, image states and the controls whose
faces each state image carries, at the rectangles the windows give them."""

ALL = ("Normal", "Disable", "DisableSelected", "Over", "OverSelected", "Selected")
PLAIN = ("Normal", "Disable", "Over", "Selected")

# Sub-pages of the key assignment dialog share one mask and one size.
ACTION_KA_SIZE = (380, 155)


def _buttons(rects, icons):
    return [("button", r, {"icon": i}) for r, i in zip(rects, icons)]


PROFILE_ICONS = ("plus", "trash", "copy", "export", "import")

WINDOWS = {
    "Main": {
        "size": (1050, 500), "states": PLAIN, "radius": 14,
        "decor": [("header", 0, 0, 1050, 88), ("panel", 20, 150, 270, 340), ("accent", 30, 1020, 140)],
        "controls": [
            ("button", (72, 98, 75, 31), {}), ("button", (200, 98, 83, 31), {}),
            ("button", (336, 98, 80, 31), {}), ("button", (468, 98, 83, 31), {}),
            ("button", (765, 20, 83, 23), {}), ("button", (765, 49, 83, 23), {}),
            ("button", (765, 76, 83, 23), {}),
            ("dropdown", (35, 192, 242, 36), {}),
            *_buttons([(36, 234, 47, 47), (86, 234, 47, 47), (134, 234, 47, 47), (182, 234, 47, 47),
                       (231, 234, 47, 47)], PROFILE_ICONS),
            ("edit", (39, 323, 230, 24), {}),
            ("dropdown", (35, 400, 242, 36), {}),
            # The program linked to the profile: its name, browse, clear.
            ("edit", (39, 462, 160, 22), {}),
            ("button", (205, 459, 34, 27), {"icon": "folder"}), ("button", (243, 459, 34, 27), {"icon": "close"}),
            ("button", (972, 2, 32, 23), {"icon": "minimize"}), ("button", (1007, 2, 32, 23), {"icon": "close"}),
        ],
    },
    "Setting": {
        "size": (760, 262), "states": PLAIN, "radius": 10,
        "decor": [("case", 26, 47, 724, 209)],
        "controls": [("keys", None, {})],
    },
    "Macro": {
        "size": (640, 310), "states": ALL, "radius": 10,
        "decor": [("panel", 70, 10, 282, 294)],
        "controls": [
            ("dropdown", (374, 39, 245, 37), {}),
            *_buttons([(377, 80, 48, 34), (426, 80, 48, 34), (474, 80, 48, 34), (524, 80, 47, 34),
                       (572, 80, 47, 34)], ("plus", "trash", "copy", "export", "import")),
            ("edit", (385, 156, 233, 23), {}),
            ("button", (375, 202, 245, 37), {"icon": "record", "icon_left": True}),
            ("check", (380, 258, 99, 24), {}),
            ("list", (78, 19, 262, 278), {}),
        ],
    },
    "Backlight": {
        "size": (600, 230), "states": ALL, "radius": 10,
        "decor": [("panel", 30, 40, 540, 170)],
        "controls": [
            ("switch", (153, 60, 71, 26), {}),
            ("slider", (152, 512, 131.5), {}),
            ("radio", (150, 167, 100, 26), {}), ("radio", (257, 167, 75, 26), {}),
            ("radio", (359, 167, 75, 26), {}),
        ],
    },
    "Gamingmode": {
        "size": (600, 250), "states": ALL, "radius": 10,
        "decor": [("panel", 70, 30, 360, 60), ("panel", 70, 110, 360, 130)],
        "controls": [
            ("switch", (194, 49, 75, 24), {}),
            ("check", (287, 158, 84, 23), {}), ("check", (287, 203, 84, 23), {}),
        ],
    },
    "ActionMain": {
        "size": (400, 300), "states": PLAIN, "radius": 12,
        "decor": [("panel", 10, 90, 380, 155), ("accent", 140, 248, 34)],
        "controls": [
            ("plate", (42, 24, 63, 36), {}),
            ("dropdown", (132, 27, 187, 28), {}),
            ("button", (195, 254, 77, 29), {}), ("button", (293, 254, 77, 29), {}),
            ("button", (365, 8, 23, 23), {"icon": "close"}),
        ],
    },
    "ActionKeyboard": {
        "size": ACTION_KA_SIZE, "states": ("Normal", "Over"), "radius": 8, "mask": "ActionKA",
        "controls": [("edit", (98, 46, 188, 25), {})],
    },
    "ActionMouse": {
        "size": ACTION_KA_SIZE, "states": PLAIN, "radius": 8, "mask": "ActionKA",
        "controls": [("dropdown", (97, 41, 190, 28), {})],
    },
    "ActionMacro": {
        "size": ACTION_KA_SIZE, "states": PLAIN, "radius": 8, "mask": "ActionKA",
        "controls": [("dropdown", (98, 31, 185, 29), {}), ("dropdown", (98, 83, 185, 29), {}),
                     ("edit", (227, 126, 50, 23), {})],
    },
    "ActionShortcut": {
        "size": ACTION_KA_SIZE, "states": PLAIN, "radius": 8, "mask": "ActionKA",
        "controls": [("dropdown", (95, 41, 190, 29), {})],
    },
    "ActionMedia": {
        "size": ACTION_KA_SIZE, "states": PLAIN, "radius": 8, "mask": "ActionKA",
        "controls": [("dropdown", (98, 41, 186, 28), {})],
    },
    "ActionLaunchApp": {
        "size": ACTION_KA_SIZE, "states": ("Normal", "Disable", "Over", "OverSelected", "Selected"), "radius": 8,
        "mask": "ActionKA",
        "controls": [
            ("radio", (62, 18, 164, 23), {}), ("radio", (62, 89, 164, 23), {}),
            ("edit", (62, 50, 237, 24), {}), ("edit", (62, 120, 237, 24), {}),
            ("button", (300, 47, 38, 29), {}),
        ],
    },
    "Hint": {
        "size": (76, 72), "states": ("Normal",), "radius": 8, "shape": "bubble",
        "controls": [],
    },
}

# File names that differ from "<set><suffix>.bmp".
SPELLING = {("Backlight", "Selected"): "BackLight_Selected.bmp"}
