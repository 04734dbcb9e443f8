// Tests of the generator are written here.
