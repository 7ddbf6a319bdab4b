// Tests of the nationality stage: filled in with the stage.
