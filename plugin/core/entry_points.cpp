// Entry points of the plug-in's core: start-up, clean-up, clearing the list.
