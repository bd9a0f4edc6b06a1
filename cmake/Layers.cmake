# SPDX-License-Identifier: GPL-3.0-or-later
# The libraries and programs of Obel and what each may link directly. Reading
# down the table is reading up the layers: a row names only rows above it,
# common/ and Qt. obel_check_layering() (Layering.cmake) holds the build to
# it when the build is configured.
#
# obel_layer(TARGET [WINDOWS] ALLOWED...)
#   WINDOWS marks a window library or program: only those may reach
#   Qt6::Widgets, directly or through what they link.

obel_layer(obel_common        Qt6::Core)
obel_layer(obel_ladder        obel_common Qt6::Core)
obel_layer(obel_convert       obel_ladder obel_common Qt6::Core)
obel_layer(obel_assembler     obel_common Qt6::Core)
# The program check reads a map as the conversion and the assembler will.
obel_layer(obel_check         obel_convert obel_assembler obel_ladder obel_common Qt6::Core)
obel_layer(obel_editor        obel_ladder obel_convert obel_check obel_common Qt6::Core)
obel_layer(obel_editor_paint  obel_editor Qt6::Gui Qt6::Svg)

# The link: wire and line know nothing of each other.
obel_layer(obel_link_wire     obel_common Qt6::Core)
obel_layer(obel_link_line     obel_common Qt6::Core Qt6::SerialPort Qt6::Network)
obel_layer(obel_link_sim      obel_link_wire obel_link_line obel_common Qt6::Core)
obel_layer(obel_link_tasks    obel_link_wire obel_link_line obel_assembler obel_common Qt6::Core)
obel_layer(obel_link_trend    obel_link_tasks obel_common Qt6::Core)
# The trend's picture, for its window and for obelc alike.
obel_layer(obel_link_trend_paint obel_link_trend Qt6::Gui Qt6::Svg)
obel_layer(obel_link_station  obel_link_tasks obel_link_sim obel_link_line obel_link_wire obel_assembler
                              obel_common Qt6::Core)

obel_layer(obel_cli           obel_convert obel_check obel_assembler obel_link_station obel_ladder
                              obel_common obel_editor_paint obel_link_trend_paint obel_link_trend
                              Qt6::Core)
obel_layer(obelc              obel_cli)

# The control libraries link nothing of the system.
obel_layer(Fenrow             WINDOWS Qt6::Widgets)
obel_layer(FenrowDesigner     WINDOWS Fenrow Qt6::UiPlugin)
obel_layer(Sondra             WINDOWS Qt6::Widgets ALSA::ALSA)

obel_layer(obel_common_ui     WINDOWS obel_common Qt6::Widgets)
obel_layer(obel_editor_ui     WINDOWS obel_editor obel_editor_paint obel_common_ui Qt6::Widgets
                              Qt6::PrintSupport)
obel_layer(obel_link_ui       WINDOWS obel_link_station obel_link_trend_paint obel_link_trend obel_common_ui
                              Fenrow Qt6::Widgets)
obel_layer(obel_app           WINDOWS obel_editor_ui obel_link_ui Qt6::Network)
obel_layer(Obel               WINDOWS obel_app)

# Draws the shipped element pictures at build time.
obel_layer(obel_make_bitmaps  Qt6::Gui)
