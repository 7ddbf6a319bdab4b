// Tests of the profession stage: filled in with the stage.
