// Tests of the wealth stage: filled in with the stage.
