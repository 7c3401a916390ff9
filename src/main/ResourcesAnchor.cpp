// Gives the resource object library a compiled member on every build.
