# A home of the run's own, so that nothing in the machine's user settings changes what a test
# sees: HOME and the XDG folders under WORK/home, a runtime folder of its own, no printer
# chosen through the environment and no scaling, theme or style asked of Qt by the user.
# Sourced; `private_home WORK` exports the variables and makes the folders.
private_home() {
  export HOME=$1/home
  export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache
  export XDG_DATA_HOME=$HOME/.local/share XDG_STATE_HOME=$HOME/.local/state
  export XDG_RUNTIME_DIR=$1/runtime
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_DATA_HOME" "$XDG_STATE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$HOME" "$XDG_RUNTIME_DIR"
  unset PRINTER LPDEST
  unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING
  unset QT_FONT_DPI QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_ACCESSIBILITY
}
