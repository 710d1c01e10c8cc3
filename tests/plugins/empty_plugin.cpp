// A loadable library that exports none of the entry points.
