// Carries the precompiled wx header that the GUI targets reuse.
