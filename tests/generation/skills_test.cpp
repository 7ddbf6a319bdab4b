// Tests of the skills stage: filled in with the stage.
