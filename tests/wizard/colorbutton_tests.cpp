// Placeholder: filled in by the tests of this area.
