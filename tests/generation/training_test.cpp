// Tests of the training stage: filled in with the stage.
